#include "src_lumo/Visual/MeshFiles.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Sprites/XmlFileCheck.h"
#include "src_lumo/Visual/Mesh3dsCheck.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Lumo {

namespace {

bool hasEnding(const irr::io::path& file, const char* ending) {
    const irr::u32 length = static_cast<irr::u32>(std::strlen(ending));
    irr::io::path end = file.subString(file.size() > length ? file.size() - length : 0, length);
    end.make_lower();
    return end == ending;
}

void report(const char* file, const irr::core::stringw& format) {
    if (TovarWorks::gDevice)
        TovarWorks::gDevice->printError(format, irr::core::stringw(file));
}

template <typename Index>
bool indicesBelow(const void* indices, irr::u32 count, irr::u32 vertices) {
    const Index* index = static_cast<const Index*>(indices);
    return std::all_of(index, index + count, [vertices](Index i) { return i < vertices; });
}

bool indicesNameVertices(const irr::scene::IMesh& mesh) {
    for (irr::u32 b = 0; b < mesh.getMeshBufferCount(); ++b) {
        const irr::scene::IMeshBuffer& buffer = *mesh.getMeshBuffer(b);
        const bool named = buffer.getIndexType() == irr::video::EIT_16BIT
                               ? indicesBelow<irr::u16>(buffer.getIndices(), buffer.getIndexCount(), buffer.getVertexCount())
                               : indicesBelow<irr::u32>(buffer.getIndices(), buffer.getIndexCount(), buffer.getVertexCount());
        if (!named)
            return false;
    }
    return true;
}

} // namespace

std::string MeshFiles::problem(irr::io::IReadFile& file) {
    const bool threeDs = hasEnding(file.getFileName(), ".3ds");
    if (!threeDs && !hasEnding(file.getFileName(), ".irrmesh"))
        return {};
    std::vector<unsigned char> content(static_cast<std::size_t>(file.getSize()));
    const bool read = file.read(content.data(), static_cast<irr::u32>(content.size())) ==
                      static_cast<irr::s32>(content.size());
    file.seek(0);
    if (!read)
        return "unreadable";
    return threeDs ? Mesh3dsCheck::problem(content.data(), content.size())
                   : XmlFileCheck::problem(content.data(), content.size());
}

irr::scene::IAnimatedMesh* MeshFiles::load(irr::scene::ISceneManager* scene, const char* file) {
    irr::io::IReadFile* opened = scene->getFileSystem()->createAndOpenFile(file);
    if (!opened) {
        report(file, L"Mesh missing: %p");
        return nullptr;
    }
    const std::string damage = problem(*opened);
    opened->drop();
    if (!damage.empty()) {
        report(file, irr::core::stringw(L"Could not load file: %p (damaged mesh: ") + damage.c_str() + L")");
        return nullptr;
    }
    irr::scene::IAnimatedMesh* mesh = scene->getMesh(file);
    if (!mesh) {
        report(file, L"Mesh missing: %p");
        return nullptr;
    }
    for (irr::u32 frame = 0; frame < mesh->getFrameCount(); ++frame)
        if (!indicesNameVertices(*mesh->getMesh(static_cast<irr::s32>(frame)))) {
            scene->getMeshCache()->removeMesh(mesh);
            report(file, L"Could not load file: %p (damaged mesh: a triangle names a missing vertex)");
            return nullptr;
        }
    return mesh;
}

} // namespace Lumo
