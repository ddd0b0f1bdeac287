// Meshes reach Irrlicht's loaders only when their checks pass: a 3DS file whose chunks all hold
// what the loader takes from them, an .irrmesh file that a real XML parser accepts; a mesh whose
// triangles name missing vertices is let go. Each refusal names the file; the game goes on.
#include "NullDeviceFixture.h"
#include "TempDir.h"
#include "TovarWorks/Console/ConsoleLogic.h"
#include "src_lumo/Sprites/XmlFileCheck.h"
#include "src_lumo/Visual/Mesh3dsCheck.h"
#include "src_lumo/Visual/MeshFiles.h"

#include <string>
#include <vector>

namespace {

std::string chunk(uint16_t id, const std::string& content) {
    const uint32_t length = static_cast<uint32_t>(content.size() + 6);
    std::string bytes{static_cast<char>(id & 0xFF), static_cast<char>(id >> 8)};
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((length >> shift) & 0xFF);
    return bytes + content;
}

std::string u16(uint16_t value) { return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; }

std::string name(const char* text) { return std::string(text) + '\0'; }

// One textured triangle, laid out as the level tool writes it; the parts a case damages are given.
struct ThreeDs {
    uint16_t vertexCount = 3;
    uint16_t groupFace = 0;
    std::string extraMaterialChunk;
    std::string extraObjectChunk;

    std::string bytes() const {
        const std::string material = chunk(0xAFFF, chunk(0xA000, name("mat")) +
                                                       chunk(0xA200, chunk(0xA300, name("oven_top.png"))) +
                                                       extraMaterialChunk);
        const std::string faces = chunk(0x4120, u16(1) + u16(0) + u16(1) + u16(2) + u16(0) +
                                                    chunk(0x4130, name("mat") + u16(1) + u16(groupFace)));
        const std::string mesh = chunk(0x4100, chunk(0x4110, u16(vertexCount) + std::string(36, '\0')) + faces +
                                                   chunk(0x4140, u16(3) + std::string(24, '\0')) + extraObjectChunk);
        return chunk(0x4D4D, chunk(0x3D3D, chunk(0x3D3E, std::string(4, '\0')) + material +
                                               chunk(0x4000, name("tri") + mesh)));
    }
};

// Irrlicht's own mesh format: UTF-32, little-endian, with a byte order mark.
std::string utf32(const std::string& text) {
    std::string bytes("\xFF\xFE\0\0", 4);
    for (const char c : text)
        bytes += std::string{c, '\0', '\0', '\0'};
    return bytes;
}

std::string irrmesh(int highestIndex, const std::string& vertexAttributes = "type=\"standard\" vertexCount=\"3\"",
                    const std::string& indexCount = "3") {
    const std::string vertices = "<vertices " + vertexAttributes + ">\n0 0 0 0 0 1 ffffffff 0 0\n"
                                 "1 0 0 0 0 1 ffffffff 1 0\n0 1 0 0 0 1 ffffffff 0 1\n</vertices>";
    const std::string indices = "<indices indexCount=\"" + indexCount + "\">0 1 " + std::to_string(highestIndex) +
                                "</indices>";
    return utf32("<?xml version=\"1.0\"?>\n<mesh xmlns=\"http://irrlicht.sourceforge.net/IRRMESH_09_2007\" "
                 "version=\"1.0\"><buffer><material><enum name=\"Type\" value=\"solid\" /></material>" +
                 vertices + indices + "</buffer></mesh>");
}

} // namespace

class MeshFilesTest : public NullDeviceFixture {
protected:
    std::string problem(std::string bytes, const char* file = "mesh.3ds") {
        irr::io::IReadFile* read = device().getIrrlichtDevice()->getFileSystem()->createMemoryReadFile(
            bytes.data(), static_cast<irr::s32>(bytes.size()), file, false);
        const std::string found = Lumo::MeshFiles::problem(*read);
        read->drop();
        return found;
    }

    irr::scene::IAnimatedMesh* load(const std::string& file, const std::string& bytes) {
        return Lumo::MeshFiles::load(device().getSceneManager(), folder.write(file, bytes).c_str());
    }

    std::wstring lastLine() { return device().getConsole()->lines.back().text.c_str(); }

    TempDir folder;
};

TEST_F(MeshFilesTest, EachKindOf3dsDamageIsRefused) {
    const std::string whole = ThreeDs().bytes();
    ThreeDs overcounted, noCount, facesOvercounted, strayFace, twoColours;
    overcounted.vertexCount = 4;
    noCount.extraObjectChunk = chunk(0x4110, "x");
    facesOvercounted.extraObjectChunk = chunk(0x4120, u16(2) + std::string(14, '\0')); // two bytes short
    strayFace.groupFace = 1;
    twoColours.extraMaterialChunk = chunk(0xA020, chunk(0x0011, "abc") + chunk(0x0011, "abc"));
    const auto nestedIn = [](int levels) {
        ThreeDs deep;
        deep.extraObjectChunk = chunk(0x4111, u16(0));
        for (int i = 0; i < levels; ++i)
            deep.extraObjectChunk = chunk(0x4100, deep.extraObjectChunk);
        return deep.bytes();
    };
    // Thirteen levels inside the triangle's mesh chunk reach the deepest the check walks.
    EXPECT_EQ(problem(nestedIn(13)), "");
    ThreeDs bareFaces; // a face list with no groups after it
    bareFaces.extraObjectChunk = chunk(0x4120, u16(1) + std::string(8, '\0'));
    EXPECT_EQ(problem(bareFaces.bytes()), "");
    std::string overlong = whole;
    overlong[12 + 5] = '\x7F'; // the mesh version chunk claims more than its parent holds
    // A material group beside the face list rather than in it, in an object that has no face list.
    const std::string lonelyGroup = chunk(0x4100, chunk(0x4130, name("mat") + u16(1) + u16(0)));
    const std::string groupWithoutFaces = chunk(0x4D4D, chunk(0x3D3D, chunk(0x4000, name("tri") + lonelyGroup)));
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {whole.substr(0, whole.size() - 3), "main chunk"},
        {whole + "tail", "main chunk"},
        {chunk(0x1234, "object"), "main chunk"},
        {"MM", "main chunk"},
        {overlong, "runs past the end"},
        {overcounted.bytes(), "count does not fit"},
        {noCount.bytes(), "wrong length"},
        {facesOvercounted.bytes(), "count does not fit"},
        {strayFace.bytes(), "names a face the object lacks"},
        {groupWithoutFaces, "names a face the object lacks"},
        {twoColours.bytes(), "not a single value"},
        {nestedIn(14), "nested too deeply"},
        {chunk(0x4D4D, chunk(0xB000, "")), "keyframes"},
        {chunk(0x4D4D, chunk(0x4000, "no end")), "name runs past the end"},
    };
    for (const auto& [bytes, kind] : damaged)
        EXPECT_NE(problem(bytes).find(kind), std::string::npos) << kind << ": " << problem(bytes);
}

TEST_F(MeshFilesTest, EachMaterialAndObjectValueHasItsOwnLength) {
    const struct {
        uint16_t chunkId;
        uint16_t valueId; // 0: the content is the chunk's own
        std::string content;
    } values[] = {
        {0xA020, 0x0010, std::string(12, '\0')}, {0xA020, 0x0011, "abc"}, {0xA030, 0x0012, "abc"},
        {0xA010, 0x0013, std::string(12, '\0')}, {0xA040, 0x0030, u16(50)}, {0xA050, 0x0031, std::string(4, '\0')},
        {0xA081, 0, ""}, {0xA100, 0, u16(3)}, {0xA354, 0, std::string(4, '\0')},
    };
    for (const auto& value : values) {
        const auto material = [&value](const std::string& content) {
            ThreeDs mesh;
            mesh.extraMaterialChunk = chunk(value.chunkId, value.valueId ? chunk(value.valueId, content) : content);
            return mesh.bytes();
        };
        const std::string which = testing::PrintToString(value.chunkId) + "/" + testing::PrintToString(value.valueId);
        EXPECT_EQ(problem(material(value.content)), "") << which;
        EXPECT_NE(problem(material(value.content + "x")).find("wrong length"), std::string::npos) << which;
    }
    // The triangle's smoothing groups (four bytes for its one face), its matrix and its colour.
    for (const auto& [id, content] : {std::pair<uint16_t, std::string>{0x4150, u16(0) + u16(0)},
                                      {0x4160, std::string(48, '\0')}, {0x4165, "c"}}) {
        ThreeDs mesh;
        mesh.extraObjectChunk = chunk(id, content);
        EXPECT_EQ(problem(mesh.bytes()), "") << id;
        for (const std::string& wrong : {content + "x", content.substr(1)}) {
            mesh.extraObjectChunk = chunk(id, wrong);
            EXPECT_NE(problem(mesh.bytes()).find("wrong length"), std::string::npos) << id << ": " << wrong.size();
        }
    }
}

// Read up to the limit (these are refused for what they hold), refused unread past it.
TEST(MeshFileSizes, EachCheckReadsAFileUpToItsLimitAndNotAByteMore) {
    const std::vector<unsigned char> zeros((64u << 20) + 1, 0);
    EXPECT_EQ(Lumo::Mesh3dsCheck::problem(zeros.data(), 64u << 20), "the main chunk is not the whole file");
    EXPECT_EQ(Lumo::Mesh3dsCheck::problem(zeros.data(), (64u << 20) + 1), "larger than 64 MB");
    EXPECT_NE(Lumo::XmlFileCheck::problem(zeros.data(), 32u << 20).find("not well-formed"), std::string::npos);
    EXPECT_EQ(Lumo::XmlFileCheck::problem(zeros.data(), (32u << 20) + 1), "larger than 32 MB");
}

TEST_F(MeshFilesTest, AnXmlMeshMustPassTheXmlCheck) {
    const std::string mesh = irrmesh(2);
    EXPECT_NE(problem(mesh.substr(0, mesh.size() - 8), "mesh.irrmesh"), "") << "cut inside the closing tag";
    EXPECT_NE(problem(mesh.substr(0, 4 * 30), "mesh.irrmesh"), "") << "cut inside the attribute's quotes";
    EXPECT_EQ(problem(mesh.substr(0, mesh.size() - 8), "mesh.obj"), "") << "not ours to check";
    // What Irrlicht's reader trusts: a vertex store of a known type before the indices, counts it can hold.
    const std::vector<std::pair<std::string, std::string>> untrusted = {
        {irrmesh(2, "type=\"bent\" vertexCount=\"3\""), "unknown vertex type"},
        {irrmesh(2, "vertexCount=\"3\""), "unknown vertex type"},
        {irrmesh(2, "type=\"standard\" vertexCount=\"1e9\""), "vertex count out of range"},
        {irrmesh(2, "type=\"standard\" vertexCount=\"-1\""), "vertex count out of range"},
        {irrmesh(2, "type=\"standard\" vertexCount=\"65537\""), "vertex count out of range"},
        {irrmesh(2, "type=\"standard\" vertexCount=\"3\"", "99999999"), "index count out of range"},
        {irrmesh(2, "type=\"standard\" vertexCount=\"3\"", "196609"), "index count out of range"},
        {utf32("<mesh><buffer><indices indexCount=\"3\">0 1 2</indices><vertices type=\"standard\" "
               "vertexCount=\"3\"/></buffer></mesh>"), "indices before the vertices"},
    };
    for (const auto& [bytes, kind] : untrusted)
        EXPECT_NE(problem(bytes, "mesh.irrmesh").find(kind), std::string::npos) << kind;
    // The largest counts are taken: every vertex 16-bit indices can name, and three indices for each.
    EXPECT_EQ(problem(irrmesh(2, "type=\"standard\" vertexCount=\"65536\""), "mesh.irrmesh"), "");
    EXPECT_EQ(problem(irrmesh(2, "type=\"standard\" vertexCount=\"3\"", "196608"), "mesh.irrmesh"), "");
}

TEST_F(MeshFilesTest, ARefusedMeshIsReportedByNameAndNotLoaded) {
    EXPECT_EQ(Lumo::MeshFiles::load(device().getSceneManager(), "no/such/mesh.3ds"), nullptr);
    EXPECT_EQ(lastLine(), L"Mesh missing: no/such/mesh.3ds");

    ThreeDs cut;
    cut.vertexCount = 2;
    EXPECT_EQ(load("cut.3ds", cut.bytes()), nullptr);
    const std::string cutPath = folder.file("cut.3ds");
    EXPECT_EQ(lastLine().rfind(L"Could not load file: " + std::wstring(cutPath.begin(), cutPath.end()) +
                                   L" (damaged mesh: ", 0), 0u) << std::string(lastLine().begin(), lastLine().end());

    // Irrlicht's own reader takes the indices as they come; drawing or picking would run past the vertices.
    EXPECT_EQ(load("stray.irrmesh", irrmesh(3)), nullptr);
    EXPECT_NE(lastLine().find(L"stray.irrmesh (damaged mesh: a triangle names a missing vertex)"), std::wstring::npos);
    EXPECT_EQ(device().getSceneManager()->getMeshCache()->getMeshCount(), 0u);
    // ... and as many as the count says, whole triangles or not: picking reads three at a time.
    EXPECT_EQ(load("short.irrmesh", irrmesh(2, "type=\"standard\" vertexCount=\"3\"", "2")), nullptr);
    EXPECT_NE(lastLine().find(L"short.irrmesh (damaged mesh: a triangle lacks a corner)"), std::wstring::npos);
    EXPECT_EQ(device().getSceneManager()->getMeshCache()->getMeshCount(), 0u);

    // The next meshes pass the checks and load as ever.
    irr::scene::IAnimatedMesh* triangle = load("tri.3ds", ThreeDs().bytes());
    ASSERT_NE(triangle, nullptr);
    EXPECT_EQ(triangle->getMesh(0)->getMeshBuffer(0)->getIndexCount(), 3u);
    irr::scene::IAnimatedMesh* xml = load("tri.irrmesh", irrmesh(2));
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(xml->getMesh(0)->getMeshBuffer(0)->getVertexCount(), 3u);
}
