#include "src_lumo/Visual/Mesh3dsCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace Lumo {

namespace {

enum : uint16_t {
    kColorFloat = 0x0010, kColorBytes = 0x0011, kColorBytesLinear = 0x0012, kColorFloatLinear = 0x0013,
    kPercentInt = 0x0030, kPercentFloat = 0x0031, kMeshVersionShort = 0x0001, kVersion = 0x0002,
    kEditor = 0x3D3D, kMeshVersion = 0x3D3E, kObject = 0x4000, kTriMesh = 0x4100, kVertices = 0x4110,
    kPointFlags = 0x4111, kFaces = 0x4120, kFaceMaterial = 0x4130, kTexCoords = 0x4140, kSmoothing = 0x4150,
    kMatrix = 0x4160, kMeshColor = 0x4165, kMain = 0x4D4D, kMaterialName = 0xA000, kAmbient = 0xA010,
    kDiffuse = 0xA020, kSpecular = 0xA030, kShininess = 0xA040, kTransparency = 0xA050, kTwoSided = 0xA081,
    kWire = 0xA085, kShading = 0xA100, kTextureMap = 0xA200, kSpecularMap = 0xA204, kOpacityMap = 0xA210,
    kReflectionMap = 0xA220, kBumpMap = 0xA230, kMapFile = 0xA300, kMapTiling = 0xA351, kMapUScale = 0xA354,
    kMapVScale = 0xA356, kMapUOffset = 0xA358, kMapVOffset = 0xA35A, kMaterial = 0xAFFF, kKeyframer = 0xB000,
};

constexpr std::size_t kHeader = 6;

struct Chunk {
    uint16_t id;
    std::size_t begin; // after the header
    std::size_t end;
    std::size_t size() const { return end - begin; }
};

// What the loader keeps of one object until it builds the object's triangles.
struct ObjectCounts {
    unsigned faces = 0;
    unsigned highestGroupFace = 0;
    bool grouped = false;
};

class ChunkWalk {
public:
    ChunkWalk(const unsigned char* data, std::size_t size) : data(data), size(size) {}

    std::string run()
    {
        if (size > Mesh3dsCheck::kMaxBytes)
            return "larger than " + std::to_string(Mesh3dsCheck::kMaxBytes >> 20) + " MB";
        Chunk main{};
        if (!chunkAt(0, size, main) || main.id != kMain || main.end != size)
            return "the main chunk is not the whole file";
        walk(main, 0, &ChunkWalk::editorChunk);
        return problem;
    }

private:
    using Reader = bool (ChunkWalk::*)(const Chunk&, int depth);

    uint16_t u16(std::size_t at) const { return static_cast<uint16_t>(data[at] | data[at + 1] << 8); }

    bool chunkAt(std::size_t at, std::size_t end, Chunk& chunk) const
    {
        if (end - at < kHeader)
            return false;
        const uint32_t length = static_cast<uint32_t>(data[at + 2] | data[at + 3] << 8 | data[at + 4] << 16) |
                                static_cast<uint32_t>(data[at + 5]) << 24;
        if (length < kHeader || length > end - at)
            return false;
        chunk = {u16(at), at + kHeader, at + length};
        return true;
    }

    bool fail(const char* why, uint16_t id)
    {
        if (problem.empty()) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", id);
            problem = std::string(why) + " in chunk " + hex;
        }
        return false;
    }

    // The sub-chunks from `from` must fill the parent to its end; each is read in the parent's way.
    bool walk(const Chunk& parent, int depth, Reader reader, std::size_t from = 0)
    {
        if (depth > Mesh3dsCheck::kMaxDepth)
            return fail("nested too deeply", parent.id);
        for (std::size_t at = from ? from : parent.begin; at < parent.end;) {
            Chunk chunk{};
            if (!chunkAt(at, parent.end, chunk))
                return fail("a sub-chunk runs past the end", parent.id);
            if (!(this->*reader)(chunk, depth + 1))
                return false;
            at = chunk.end;
        }
        return true;
    }

    // A name ends inside its chunk; the loader reads it up to its terminating zero.
    bool nameEnd(const Chunk& chunk, std::size_t& end)
    {
        const void* zero = std::memchr(data + chunk.begin, 0, chunk.size());
        if (!zero)
            return fail("a name runs past the end", chunk.id);
        end = static_cast<std::size_t>(static_cast<const unsigned char*>(zero) - data) + 1;
        return true;
    }

    bool exactly(const Chunk& chunk, std::size_t expected)
    {
        return chunk.size() == expected || fail("wrong length", chunk.id);
    }

    // A count, then that many entries of the given size, filling the chunk.
    bool countedEntries(const Chunk& chunk, std::size_t from, std::size_t entrySize, unsigned& count)
    {
        if (chunk.end - from < 2)
            return fail("wrong length", chunk.id);
        count = u16(from);
        return chunk.end - from - 2 == count * entrySize || fail("count does not fit the length", chunk.id);
    }

    bool editorChunk(const Chunk& chunk, int depth)
    {
        switch (chunk.id) {
        case kEditor:
            return walk(chunk, depth, &ChunkWalk::editorChunk);
        case kVersion:
            return chunk.size() >= 2 || fail("wrong length", chunk.id);
        case kMeshVersion:
        case kMeshVersionShort:
            return exactly(chunk, 4);
        case kMaterial:
            return walk(chunk, depth, &ChunkWalk::materialChunk);
        case kKeyframer:
            return fail("keyframes are not read", chunk.id);
        case kObject: {
            std::size_t nameEnds = 0;
            object = ObjectCounts{};
            if (!nameEnd(chunk, nameEnds) || !walk(chunk, depth, &ChunkWalk::objectChunk, nameEnds))
                return false;
            // The loader picks each grouped face's corners from the face list without a look at its size.
            return !object.grouped || object.highestGroupFace < object.faces ||
                   fail("a material group names a face the object lacks", chunk.id);
        }
        default:
            return true; // skipped by its length
        }
    }

    bool objectChunk(const Chunk& chunk, int depth)
    {
        unsigned count = 0;
        switch (chunk.id) {
        case kTriMesh:
            return walk(chunk, depth, &ChunkWalk::objectChunk);
        case kVertices:
            return countedEntries(chunk, chunk.begin, 12, count);
        case kPointFlags:
            return countedEntries(chunk, chunk.begin, 2, count);
        case kTexCoords:
            return countedEntries(chunk, chunk.begin, 8, count);
        case kFaces: {
            // Four numbers a face, then the smoothing and material groups as sub-chunks.
            if (chunk.size() < 2 || chunk.size() - 2 < u16(chunk.begin) * std::size_t{8})
                return fail("count does not fit the length", chunk.id);
            object.faces = u16(chunk.begin);
            return walk(chunk, depth, &ChunkWalk::objectChunk, chunk.begin + 2 + object.faces * std::size_t{8});
        }
        case kFaceMaterial: {
            std::size_t nameEnds = 0;
            if (!nameEnd(chunk, nameEnds) || !countedEntries(chunk, nameEnds, 2, count))
                return false;
            object.grouped = object.grouped || count > 0;
            for (unsigned i = 0; i < count; ++i)
                object.highestGroupFace = std::max<unsigned>(object.highestGroupFace, u16(nameEnds + 2 + 2 * i));
            return true;
        }
        case kSmoothing:
            return exactly(chunk, object.faces * std::size_t{4});
        case kMatrix:
            return exactly(chunk, 48);
        case kMeshColor:
            return exactly(chunk, 1);
        default:
            return true;
        }
    }

    // Colours and percentages, read with their known sizes; others are skipped by their length.
    static std::size_t valueSize(uint16_t id)
    {
        switch (id) {
        case kColorFloat:
        case kColorFloatLinear:
            return 12;
        case kColorBytes:
        case kColorBytesLinear:
            return 3;
        case kPercentInt:
            return 2;
        case kPercentFloat:
            return 4;
        default:
            return 0;
        }
    }

    bool value(const Chunk& chunk) { return !valueSize(chunk.id) || exactly(chunk, valueSize(chunk.id)); }

    // The loader reads only the first sub-chunk of a colour or a percentage, so it must be the only one.
    bool singleValue(const Chunk& chunk)
    {
        Chunk sub{};
        if (!chunkAt(chunk.begin, chunk.end, sub) || sub.end != chunk.end)
            return fail("not a single value", chunk.id);
        return value(sub);
    }

    bool materialChunk(const Chunk& chunk, int depth)
    {
        std::size_t nameEnds = 0;
        switch (chunk.id) {
        case kMaterialName:
        case kMapFile:
            return nameEnd(chunk, nameEnds);
        case kAmbient:
        case kDiffuse:
        case kSpecular:
        case kShininess:
        case kTransparency:
            return singleValue(chunk);
        case kTwoSided:
        case kWire:
            return exactly(chunk, 0);
        case kShading:
        case kMapTiling:
            return exactly(chunk, 2);
        case kMapUScale:
        case kMapVScale:
        case kMapUOffset:
        case kMapVOffset:
            return exactly(chunk, 4);
        case kTextureMap:
        case kSpecularMap:
        case kOpacityMap:
        case kReflectionMap:
        case kBumpMap:
            // The loader peeks at the first sub-chunk (its strength) and reads the rest as the
            // material's own; an empty map would have it peek into what follows.
            return (chunk.size() >= kHeader || fail("empty map", chunk.id)) &&
                   walk(chunk, depth, &ChunkWalk::materialChunk);
        default:
            return value(chunk);
        }
    }

    const unsigned char* data;
    const std::size_t size;
    ObjectCounts object;
    std::string problem;
};

} // namespace

std::string Mesh3dsCheck::problem(const unsigned char* data, std::size_t size)
{
    return ChunkWalk(data, size).run();
}

} // namespace Lumo
