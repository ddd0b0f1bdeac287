#include "src_lumo/Visual/MeshFiles.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Sprites/XmlFileCheck.h"
#include "src_lumo/Visual/Mesh3dsCheck.h"

#include <algorithm>
#include <cstdlib>
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

void reportDamage(const char* file, const std::string& damage) {
    report(file, irr::core::stringw(L"Could not load file: %p (damaged mesh: ") + damage.c_str() + L")");
}

// Irrlicht's .irrmesh reader makes a buffer's vertex store on its <vertices> element, of a type it
// knows, and reads <indices> into it without a look; it reserves room for both counts as given.
class IrrMeshElements : public XmlElementRule {
public:
    std::string element(const char* name, const char** attributes) override {
        if (std::strcmp(name, "buffer") == 0)
            vertexStore = false;
        if (std::strcmp(name, "vertices") == 0) {
            const char* type = attribute(attributes, "type");
            if (!type || (std::strcmp(type, "standard") && std::strcmp(type, "2tcoords") && std::strcmp(type, "tangents")))
                return "unknown vertex type";
            vertexStore = true;
            return count(attributes, "vertexCount", kMaxVertices) ? "" : "vertex count out of range";
        }
        if (std::strcmp(name, "indices") == 0) {
            if (!vertexStore)
                return "indices before the vertices";
            return count(attributes, "indexCount", kMaxIndices) ? "" : "index count out of range";
        }
        return {};
    }

private:
    static constexpr unsigned long kMaxVertices = 65536;
    static constexpr unsigned long kMaxIndices = 3 * 65536;

    static const char* attribute(const char** attributes, const char* name) {
        for (; *attributes; attributes += 2)
            if (std::strcmp(*attributes, name) == 0)
                return attributes[1];
        return nullptr;
    }

    // Plain digits only: Irrlicht reads the number as a float, so "1e9" would mean a billion.
    static bool count(const char** attributes, const char* name, unsigned long most) {
        const char* text = attribute(attributes, name);
        if (!text || !*text || std::strlen(text) > 7 || std::strspn(text, "0123456789") != std::strlen(text))
            return false;
        return std::strtoul(text, nullptr, 10) <= most;
    }

    bool vertexStore = false;
};

template <typename Index>
bool indicesBelow(const void* indices, irr::u32 count, irr::u32 vertices) {
    const Index* index = static_cast<const Index*>(indices);
    return std::all_of(index, index + count, [vertices](Index i) { return i < vertices; });
}

// Irrlicht's triangle selector and drawing read three indices at a time, past the end of a list that
// is not whole triangles.
std::string trianglesProblem(const irr::scene::IMesh& mesh) {
    for (irr::u32 b = 0; b < mesh.getMeshBufferCount(); ++b) {
        const irr::scene::IMeshBuffer& buffer = *mesh.getMeshBuffer(b);
        if (buffer.getIndexCount() % 3 != 0)
            return "a triangle lacks a corner";
        const bool named = buffer.getIndexType() == irr::video::EIT_16BIT
                               ? indicesBelow<irr::u16>(buffer.getIndices(), buffer.getIndexCount(), buffer.getVertexCount())
                               : indicesBelow<irr::u32>(buffer.getIndices(), buffer.getIndexCount(), buffer.getVertexCount());
        if (!named)
            return "a triangle names a missing vertex";
    }
    return {};
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
    IrrMeshElements elements;
    return threeDs ? Mesh3dsCheck::problem(content.data(), content.size())
                   : XmlFileCheck::problem(content.data(), content.size(), &elements);
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
        reportDamage(file, damage);
        return nullptr;
    }
    irr::scene::IAnimatedMesh* mesh = scene->getMesh(file);
    if (!mesh) {
        report(file, L"Mesh missing: %p");
        return nullptr;
    }
    for (irr::u32 frame = 0; frame < mesh->getFrameCount(); ++frame) {
        const std::string damage = trianglesProblem(*mesh->getMesh(static_cast<irr::s32>(frame)));
        if (!damage.empty()) {
            scene->getMeshCache()->removeMesh(mesh);
            reportDamage(file, damage);
            return nullptr;
        }
    }
    return mesh;
}

} // namespace Lumo
