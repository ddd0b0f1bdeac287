#include "Mesh3dsWriter.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace LevelTool {

namespace {

enum : uint16_t {
    kMain = 0x4D4D, kVersion = 0x0002, kEditor = 0x3D3D, kMeshVersion = 0x3D3E,
    kMaterial = 0xAFFF, kMaterialName = 0xA000, kTextureMap = 0xA200, kMapFile = 0xA300,
    kObject = 0x4000, kTriMesh = 0x4100, kVertices = 0x4110, kFaces = 0x4120,
    kFaceMaterial = 0x4130, kTexCoords = 0x4140,
};

// A chunk is its id, its whole length including the 6-byte header, then data and sub-chunks.
class Chunk {
public:
    explicit Chunk(uint16_t id) : id(id) {}
    template <typename T>
    Chunk& put(T value) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
        data.insert(data.end(), bytes, bytes + sizeof(T));
        return *this;
    }
    Chunk& putString(const std::string& text) {
        data.insert(data.end(), text.begin(), text.end());
        data.push_back(0);
        return *this;
    }
    Chunk& add(const Chunk& child) {
        const std::vector<uint8_t> bytes = child.bytes();
        data.insert(data.end(), bytes.begin(), bytes.end());
        return *this;
    }
    std::vector<uint8_t> bytes() const {
        Chunk whole(0);
        whole.put(id).put(static_cast<uint32_t>(data.size() + 6));
        whole.data.insert(whole.data.end(), data.begin(), data.end());
        return whole.data;
    }

private:
    uint16_t id;
    std::vector<uint8_t> data;
};

std::string textureFile(const irr::scene::IMeshBuffer& buffer) {
    const irr::video::ITexture* texture = buffer.getMaterial().getTexture(0);
    return texture ? std::filesystem::path(texture->getName().getPath().c_str()).filename().string() : "";
}

} // namespace

bool Mesh3dsWriter::write(const irr::scene::IMesh& mesh, const std::string& fileName) {
    Chunk editor(kEditor);
    editor.add(Chunk(kMeshVersion).put(uint32_t{3}));
    for (irr::u32 b = 0; b < mesh.getMeshBufferCount(); ++b) {
        const std::string name = "mat" + std::to_string(b);
        Chunk material(kMaterial);
        material.add(Chunk(kMaterialName).putString(name));
        const std::string texture = textureFile(*mesh.getMeshBuffer(b));
        if (!texture.empty())
            material.add(Chunk(kTextureMap).add(Chunk(kMapFile).putString(texture)));
        editor.add(material);
    }
    for (irr::u32 b = 0; b < mesh.getMeshBufferCount(); ++b) {
        const irr::scene::IMeshBuffer& buffer = *mesh.getMeshBuffer(b);
        const auto* vertices = static_cast<const irr::video::S3DVertex*>(buffer.getVertices());
        const irr::u16* indices = buffer.getIndices();
        const uint16_t vertexCount = static_cast<uint16_t>(buffer.getVertexCount());
        const uint16_t faceCount = static_cast<uint16_t>(buffer.getIndexCount() / 3);

        // The loader swaps y and z and reverses each triangle; both are undone here.
        Chunk points(kVertices);
        Chunk uvs(kTexCoords);
        points.put(vertexCount);
        uvs.put(vertexCount);
        for (uint16_t v = 0; v < vertexCount; ++v) {
            points.put(vertices[v].Pos.X).put(vertices[v].Pos.Z).put(vertices[v].Pos.Y);
            uvs.put(vertices[v].TCoords.X).put(1.0f - vertices[v].TCoords.Y);
        }
        Chunk faces(kFaces);
        Chunk faceMaterial(kFaceMaterial);
        faces.put(faceCount);
        faceMaterial.putString("mat" + std::to_string(b)).put(faceCount);
        for (uint16_t f = 0; f < faceCount; ++f) {
            faces.put(indices[3 * f]).put(indices[3 * f + 2]).put(indices[3 * f + 1]).put(uint16_t{0});
            faceMaterial.put(f);
        }
        faces.add(faceMaterial);
        Chunk triMesh(kTriMesh);
        triMesh.add(points).add(uvs).add(faces);
        editor.add(Chunk(kObject).putString("part" + std::to_string(b)).add(triMesh));
    }
    Chunk main(kMain);
    main.add(Chunk(kVersion).put(uint32_t{3})).add(editor);

    std::ofstream out(fileName, std::ios::binary);
    const std::vector<uint8_t> bytes = main.bytes();
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out.good();
}

} // namespace LevelTool
