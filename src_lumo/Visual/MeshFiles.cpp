#include "src_lumo/Visual/MeshFiles.h"

#include "TovarWorks/TovarDevice.h"

#include <cstdint>

namespace Lumo {

namespace {

constexpr uint16_t k3dsMainChunk = 0x4D4D;
constexpr long k3dsChunkHeader = 6;

bool has3dsEnding(const irr::io::path& file) {
    irr::io::path ending = file.subString(file.size() > 4 ? file.size() - 4 : 0, 4);
    ending.make_lower();
    return ending == ".3ds";
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

irr::scene::IAnimatedMesh* MeshFiles::load(irr::scene::ISceneManager* scene, const char* file) {
    if (has3dsEnding(file)) {
        irr::io::IReadFile* opened = scene->getFileSystem()->createAndOpenFile(file);
        const bool complete = opened && is3dsComplete(*opened);
        if (opened)
            opened->drop();
        if (!opened) {
            report(file, L"Mesh missing: %p");
            return nullptr;
        }
        if (!complete) {
            report(file, L"Could not load file: %p (damaged 3DS mesh)");
            return nullptr;
        }
    }
    irr::scene::IAnimatedMesh* mesh = scene->getMesh(file);
    if (!mesh)
        report(file, L"Mesh missing: %p");
    return mesh;
}

} // namespace Lumo
