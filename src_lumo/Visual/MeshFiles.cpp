#include "src_lumo/Visual/MeshFiles.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Sprites/XmlTagCheck.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace Lumo {

namespace {

constexpr uint16_t k3dsMainChunk = 0x4D4D;
constexpr long k3dsChunkHeader = 6;

bool hasEnding(const irr::io::path& file, const char* ending) {
    const irr::u32 length = static_cast<irr::u32>(std::strlen(ending));
    irr::io::path end = file.subString(file.size() > length ? file.size() - length : 0, length);
    end.make_lower();
    return end == ending;
}

void report(const char* file, const wchar_t* format) {
    if (TovarWorks::gDevice)
        TovarWorks::gDevice->printError(format, irr::core::stringw(file));
}

} // namespace

bool MeshFiles::is3dsComplete(irr::io::IReadFile& file) {
    unsigned char header[k3dsChunkHeader];
    if (file.getSize() < k3dsChunkHeader || file.read(header, k3dsChunkHeader) != k3dsChunkHeader)
        return false;
    file.seek(0);
    const uint16_t id = static_cast<uint16_t>(header[0] | header[1] << 8);
    const uint32_t length = static_cast<uint32_t>(header[2] | header[3] << 8 | header[4] << 16) |
                            static_cast<uint32_t>(header[5]) << 24;
    return id == k3dsMainChunk && length == static_cast<uint32_t>(file.getSize());
}

bool MeshFiles::isXmlComplete(irr::io::IReadFile& file) {
    std::vector<unsigned char> content(static_cast<std::size_t>(file.getSize()));
    const bool read = file.read(content.data(), static_cast<irr::u32>(content.size())) ==
                      static_cast<irr::s32>(content.size());
    file.seek(0);
    return read && hasCompleteTags(content.data(), content.size());
}

irr::scene::IAnimatedMesh* MeshFiles::load(irr::scene::ISceneManager* scene, const char* file) {
    const bool threeDs = hasEnding(file, ".3ds");
    if (threeDs || hasEnding(file, ".irrmesh")) {
        irr::io::IReadFile* opened = scene->getFileSystem()->createAndOpenFile(file);
        const bool complete = opened && (threeDs ? is3dsComplete(*opened) : isXmlComplete(*opened));
        if (opened)
            opened->drop();
        if (!opened) {
            report(file, L"Mesh missing: %p");
            return nullptr;
        }
        if (!complete) {
            report(file, L"Could not load file: %p (damaged mesh)");
            return nullptr;
        }
    }
    irr::scene::IAnimatedMesh* mesh = scene->getMesh(file);
    if (!mesh)
        report(file, L"Mesh missing: %p");
    return mesh;
}

} // namespace Lumo
