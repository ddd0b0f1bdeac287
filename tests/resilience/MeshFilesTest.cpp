// A 3DS file is handed to Irrlicht only when its main chunk is whole: a cut one would hang it.
#include "NullDeviceFixture.h"
#include "TovarWorks/Console/ConsoleLogic.h"
#include "src_lumo/Visual/MeshFiles.h"

#include <string>

namespace {

std::string chunk(uint16_t id, const std::string& content) {
    const uint32_t length = static_cast<uint32_t>(content.size() + 6);
    std::string bytes{static_cast<char>(id & 0xFF), static_cast<char>(id >> 8)};
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((length >> shift) & 0xFF);
    return bytes + content;
}

} // namespace

// Irrlicht's own mesh format: UTF-32, little-endian, with a byte order mark.
std::string utf32(const std::string& text) {
    std::string bytes("\xFF\xFE\0\0", 4);
    for (const char c : text)
        bytes += std::string{c, '\0', '\0', '\0'};
    return bytes;
}

class MeshFilesTest : public NullDeviceFixture {
protected:
    bool complete(std::string bytes, bool xml = false) {
        irr::io::IReadFile* file = device().getIrrlichtDevice()->getFileSystem()->createMemoryReadFile(
            bytes.data(), static_cast<irr::s32>(bytes.size()), "mesh", false);
        const bool whole = xml ? Lumo::MeshFiles::isXmlComplete(*file) : Lumo::MeshFiles::is3dsComplete(*file);
        file->drop();
        return whole;
    }
};

TEST_F(MeshFilesTest, AWhole3dsFileIsLoadable) {
    EXPECT_TRUE(complete(chunk(0x4D4D, chunk(0x3D3D, "object"))));
}

TEST_F(MeshFilesTest, ACutOrForeignFileIsNot) {
    const std::string whole = chunk(0x4D4D, chunk(0x3D3D, "object\0name"));
    EXPECT_FALSE(complete(whole.substr(0, whole.size() - 3)));
    EXPECT_FALSE(complete(whole + "tail"));
    EXPECT_FALSE(complete(chunk(0x1234, "object")));
    EXPECT_FALSE(complete("MM"));
}

TEST_F(MeshFilesTest, AnXmlMeshCutInsideATagIsNot) {
    const std::string mesh = utf32("<mesh version=\"1.0\"><buffer><vertices>1 2 3</vertices></buffer></mesh>");
    EXPECT_TRUE(complete(mesh, true));
    EXPECT_FALSE(complete(mesh.substr(0, mesh.size() - 8), true)) << "cut inside the closing tag";
    EXPECT_FALSE(complete(mesh.substr(0, 4 * 12), true)) << "cut inside the attribute's quotes";
}

TEST_F(MeshFilesTest, ADamagedMeshIsReportedAndNotLoaded) {
    irr::scene::ISceneManager* scene = device().getSceneManager();
    EXPECT_EQ(Lumo::MeshFiles::load(scene, "no/such/mesh.3ds"), nullptr);
    EXPECT_EQ(device().getConsole()->lines.back().text, irr::core::stringw(L"Mesh missing: no/such/mesh.3ds"));
}
