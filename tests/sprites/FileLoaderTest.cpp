// The definition file reader: running values, ignored and skipped input, replacement, bad files.
#include "support/NullDeviceFixture.h"
#include "sprites/SpriteSheets.h"
#include "support/TempDir.h"

#include "src_lumo/Sprites/FileLoader.h"
#include "src_lumo/Sprites/XmlFileCheck.h"
#include "TovarWorks/Console/ConsoleLogic.h"

#include <gtest/gtest.h>

using Lumo::FileLoader;
using Lumo::SpriteDefinition;
using Lumo::VisualCharacterFrame;

namespace {

const std::vector<std::string> kSheet = {"##..###.", "##..###.", "##..h#h.", "........"};

class FileLoaderTest : public NullDeviceFixture {
protected:
    void SetUp() override
    {
        NullDeviceFixture::SetUp();
        irr::video::IImage* sheet = drawSheet(device().getVideoDriver(), kSheet);
        ASSERT_TRUE(device().getVideoDriver()->writeImageToFile(sheet, folder.file("sheet.png").c_str()));
        sheet->drop();
    }

    const SpriteDefinition& load(const std::string& xml, const std::wstring& name = L"test")
    {
        folder.write("def.xml", xml);
        loader.loadFile(folder.file("def.xml").c_str());
        const SpriteDefinition* definition = loader.getDefinition(name);
        if (!definition)
            throw std::runtime_error("definition not loaded");
        return *definition;
    }

    bool consoleShows(const std::wstring& text) const
    {
        for (const auto& line : TovarWorks::gDevice->getConsole()->lines)
            if (std::wstring(line.text.c_str()).find(text) != std::wstring::npos)
                return true;
        return false;
    }

    static float frontDepth(const VisualCharacterFrame& frame)
    {
        return frame.getFrontMesh().chunks().at(0).vertices.at(0).Pos.Z;
    }

    TempDir folder;
    FileLoader loader;
};

TEST_F(FileLoaderTest, RunningValuesCarryOverAndResetWithEachDefinitionAndAnimationsSkipUnknownFrames)
{
    const SpriteDefinition& definition = load(R"(<character name="test">
        <frameSpeed>80</frameSpeed><offset>2.5</offset>
        <frame name="a"><bitmap>sheet.png</bitmap><rect>0,0,2,3</rect>
            <thickness>3</thickness><borderColor>10,20,30</borderColor></frame>
        <frame name="b"><rect>4,0,7,3</rect></frame>
        <animation name="walk"><add id="a"/><add id="missing"/><add id="b"/><add id="a"/></animation>
        <animation name="walk"><add id="b"/></animation></character>
        <gear name="next"><frame name="a"><rect>0,0,2,3</rect></frame></gear>
        <gear name="clamped"><borderColor>300,-5,128</borderColor><frame name="a"><rect>0,0,2,3</rect></frame></gear>)");
    EXPECT_FLOAT_EQ(definition.frameSpeed, 80.f);
    EXPECT_FLOAT_EQ(definition.offset, 2.5f);
    const VisualCharacterFrame* a = definition.findFrame(L"a");
    const VisualCharacterFrame* b = definition.findFrame(L"b");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->getFrontMesh().quadCount(), 1u);
    ASSERT_FALSE(b->getFrontMesh().empty());
    EXPECT_FLOAT_EQ(frontDepth(*b), -3.f);
    EXPECT_EQ(b->getEdgeMesh().chunks().at(0).vertices.at(0).Color, irr::video::SColor(0, 10, 20, 30));
    EXPECT_EQ(b->getTexture(), a->getTexture());
    ASSERT_TRUE(definition.findAnimation(L"walk"));
    EXPECT_EQ(definition.findAnimation(L"walk")->frames, (std::vector<const VisualCharacterFrame*>{a, b, a, b}));
    // Bitmap and rect go on, thickness and border colour start again.
    const VisualCharacterFrame* next = loader.getDefinition(L"next")->findFrame(L"a");
    ASSERT_TRUE(next && !next->getFrontMesh().empty());
    EXPECT_FLOAT_EQ(frontDepth(*next), -1.f);
    EXPECT_EQ(next->getEdgeMesh().chunks().at(0).vertices.at(0).Color, irr::video::SColor(0, 0, 0, 0));
    const VisualCharacterFrame* clamped = loader.getDefinition(L"clamped")->findFrame(L"a");
    ASSERT_TRUE(clamped && !clamped->getFrontMesh().empty());
    EXPECT_EQ(clamped->getFrontMesh().chunks().at(0).vertices.at(0).Color, irr::video::SColor(0, 255, 0, 128));
}

TEST_F(FileLoaderTest, ValuesOutsideTheirPlaceOrMalformedAreIgnored)
{
    const SpriteDefinition& definition = load(R"(<offset>3</offset><center>1,2</center><character name="test">
        <bitmap>sheet.png</bitmap><rect>0,0,2,3</rect><center>5,6</center>
        <frameSpeed>90</frameSpeed><frameSpeed>fast</frameSpeed><frameSpeed>-4</frameSpeed>
        <frame name="empty"></frame>
        <frame name="a"><rect>0,0,2,3</rect><rect>1,2</rect><rect>0,0,x,3</rect><thickness>2,5</thickness>
            <fixpoint name="hand">3,4</fixpoint><fixpoint name="hand">5,6</fixpoint></frame>
        <frame name="b"><rect>4,0,7,3</rect></frame>)" + std::string(5000, '>') + R"(<frame name=""/></character>)");
    EXPECT_EQ(definition.getFrames().size(), 3u) << "a frame without a name is not kept";
    EXPECT_TRUE(definition.findFrame(L"empty")->getFrontMesh().empty()) << "a rect before any frame";
    EXPECT_EQ(definition.center, irr::core::vector2di(0, 0));
    EXPECT_FLOAT_EQ(definition.offset, 0.f) << "before any definition";
    EXPECT_FLOAT_EQ(definition.frameSpeed, 90.f);
    const VisualCharacterFrame* a = definition.findFrame(L"a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->getFrontMesh().quadCount(), 1u);
    EXPECT_FLOAT_EQ(frontDepth(*a), -1.f);
    EXPECT_EQ(a->getFixpoint(L"hand"), irr::core::vector2di(5, 6));
    EXPECT_EQ(definition.findFrame(L"b")->getFixpoint(L"hand"), irr::core::vector2di(0, 0));
}

TEST_F(FileLoaderTest, ValuesMayStandBetweenSpacesAndLineBreaksAndAListWithAnEmptyItemIsIgnored)
{
    const SpriteDefinition& definition = load(R"(<character name="test"><offset>
            2.5
        </offset>
        <frame name="a"><bitmap> sheet.png </bitmap><rect> 0 , 0 ,2, 3 </rect><rect>4,,7,3</rect>
            <center> 5, -6 </center><center>1,</center></frame></character>)");
    EXPECT_FLOAT_EQ(definition.offset, 2.5f);
    EXPECT_EQ(definition.center, irr::core::vector2di(5, -6)) << "read inside a frame";
    const VisualCharacterFrame* a = definition.findFrame(L"a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->getFrontMesh().quadCount(), 1u) << "the first rect, from the bitmap between spaces";
}

TEST_F(FileLoaderTest, AFrameNamedAgainReplacesTheEarlierThatAnAnimationStillShows)
{
    const SpriteDefinition& definition = load(R"(<character name="test"><bitmap>sheet.png</bitmap>
        <frame name="a"><rect>0,0,2,3</rect><thickness>3</thickness></frame>
        <animation name="stand"><add id="a"/></animation>
        <frame name="a"><rect>0,0,2,3</rect><thickness>2</thickness></frame></character>)");
    EXPECT_EQ(definition.getFrames().size(), 1u);
    const VisualCharacterFrame* later = definition.findFrame(L"a");
    ASSERT_TRUE(later && definition.findAnimation(L"stand"));
    const VisualCharacterFrame* earlier = definition.findAnimation(L"stand")->frames.at(0);
    EXPECT_FLOAT_EQ(frontDepth(*later), -2.f);
    EXPECT_FLOAT_EQ(frontDepth(*earlier), -3.f);
}

TEST_F(FileLoaderTest, ALaterDefinitionReplacesTheEarlierButLeavesItIntact)
{
    const SpriteDefinition& first = load(R"(<character name="test">
        <frame name="a"><bitmap>sheet.png</bitmap><rect>0,0,2,3</rect></frame></character>)");
    const SpriteDefinition& second = load(R"(<character name="test">
        <frame name="b"><bitmap>sheet.png</bitmap><rect>4,0,7,3</rect></frame></character>)");
    EXPECT_EQ(loader.getDefinition(L"test"), &second);
    EXPECT_EQ(second.findFrame(L"a"), nullptr);
    // Nodes made from the first one may still be on stage.
    ASSERT_NE(first.findFrame(L"a"), nullptr);
    EXPECT_EQ(first.findFrame(L"a")->getFrontMesh().quadCount(), 1u);
}

TEST_F(FileLoaderTest, DefinitionsStandSideBySideWithOrWithoutADeclaration)
{
    const std::string pair = R"(<character name="first"><?editor keep?>
        <frame name="a"><bitmap>sheet.png</bitmap><rect>0,0,2,3</rect></frame></character>
        <character name="test"><frame name="b"><bitmap>sheet.png</bitmap><rect>4,0,7,3</rect></frame></character>)";
    // Only a file that opens with "<?xml " has a declaration; a blank sixth character alone is not one.
    for (const bool declared : {true, false}) {
        loader = FileLoader();
        const std::string start = declared ? "<?xml version=\"1.0\"?>\n" : std::string(8, ' ');
        EXPECT_NE(load(start + pair).findFrame(L"b"), nullptr) << "declared " << declared;
        ASSERT_NE(loader.getDefinition(L"first"), nullptr) << "declared " << declared;
        EXPECT_NE(loader.getDefinition(L"first")->findFrame(L"a"), nullptr) << "declared " << declared;
    }
}

TEST_F(FileLoaderTest, MissingFilesAreReportedAndRectsCutToTheBitmap)
{
    const std::string absent = folder.file("absent.xml");
    loader.loadFile(absent.c_str());
    EXPECT_TRUE(loader.getDefinitions().empty());
    EXPECT_TRUE(consoleShows(L"Could not load file: " + std::wstring(absent.begin(), absent.end())));
    const SpriteDefinition& definition = load(R"(<character name="test">
        <frame name="gone"><bitmap>nothere.png</bitmap><rect>0,0,2,3</rect></frame>
        <animation name="iddle"><add id="gone"/></animation>
        <frame name="a"><bitmap>sheet.png</bitmap><rect>6,-4,40,90</rect></frame>
        <frame name="b"><rect>100,100,120,120</rect></frame></character>)");
    EXPECT_EQ(definition.findFrame(L"gone"), nullptr);
    EXPECT_TRUE(definition.findAnimation(L"iddle")->frames.empty());
    EXPECT_TRUE(consoleShows(L"nothere.png"));
    ASSERT_TRUE(definition.findFrame(L"a") && definition.findFrame(L"b"));
    EXPECT_EQ(definition.findFrame(L"a")->getFrontMesh().quadCount(), 1u);
    EXPECT_TRUE(definition.findFrame(L"b")->getFrontMesh().empty());
}

TEST_F(FileLoaderTest, ADefinitionAsDeepAsTheCheckAllowsLoadsAndOneLevelDeeperIsRefused)
{
    const auto nestedTo = [](int depth, const std::string& name) {
        std::string xml = "<character name=\"" + name + R"("><frame name="a"><bitmap>sheet.png</bitmap><rect>0,0,2,3</rect></frame>)";
        for (int level = 2; level <= depth; ++level) // the character is the first level
            xml += "<a>";
        for (int level = 2; level <= depth; ++level)
            xml += "</a>";
        return xml + "</character>";
    };
    const int limit = Lumo::XmlFileCheck::kMaxDepth;
    EXPECT_NE(load(nestedTo(limit, "deepest"), L"deepest").findFrame(L"a"), nullptr);
    const std::string deeper = folder.write("deeper.xml", nestedTo(limit + 1, "deeper"));
    loader.loadFile(deeper.c_str());
    EXPECT_EQ(loader.getDefinition(L"deeper"), nullptr);
    EXPECT_TRUE(consoleShows(L"nested too deeply"));
}

TEST_F(FileLoaderTest, EachKindOfDamageIsRefusedWithAMessageNamingTheFileAndTheNextFileLoads)
{
    const std::vector<std::pair<std::string, std::wstring>> damaged = {
        {R"(<character name="test"><frame name="a"><rect>0,0,2,3</re)", L"ends inside an element"},
        {R"(<character name="test"><frame name="a"><rect>0,0,2,3</rect>)", L"ends inside an element"},
        {"<charac\xFF\xFEter name=\"test\"></charac\xFF\xFEter>", L"not well-formed"},
        {"<character na\xC3me=\"test\"></character>", L"not well-formed"},
        {R"(<character name="test"><frame name="a"></rect></character>)", L"mismatched tag"},
        {R"(<character n"aw=mael k"></character>)", L"not well-formed"},
        {R"(<character name="test"><!-- a < b --></character>)", L"angle bracket in a comment"},
        {R"(<?xml version="1.0"?><!DOCTYPE x [<!ENTITY e "e">]><character name="&e;"/>)", L"not well-formed"},
        {R"(<?pi a > b?><character name="test"/>)", L"processing instruction"},
        {std::string(100, '<'), L"not well-formed"},
        {std::string("\xFF\xFE\0\xD8<\0", 6), L"not valid UTF-16"},
        {std::string("\xFF\xFE\0\0<\0\0\0a", 9), L"cut inside a character"},
    };
    for (const auto& [bytes, problem] : damaged) {
        const std::string file = folder.write("damaged.xml", bytes);
        loader.loadFile(file.c_str());
        const std::wstring shown = TovarWorks::gDevice->getConsole()->lines.back().text.c_str();
        EXPECT_EQ(shown.rfind(L"Could not load file: " + std::wstring(file.begin(), file.end()) + L" (broken XML: ", 0), 0u)
            << std::string(shown.begin(), shown.end());
        EXPECT_NE(shown.find(problem), std::wstring::npos) << std::string(shown.begin(), shown.end());
        EXPECT_TRUE(loader.getDefinitions().empty());
    }
    // Wide text is read by its byte order mark, either way round, with letters of two, three and four
    // UTF-8 bytes at the edges of each length and of the surrogates, and with each lead byte's lowest
    // bit set, up to the last code point (UTF-16 reaches it only through the highest surrogates): a
    // bit shifted wrongly makes an overlong form or a surrogate, which the check refuses.
    // Each file names its own character: the loader keeps the ones it read before.
    const auto head = [](const std::string& tag) { return "<character name=\"" + tag + "\"><!-- "; };
    const auto name = [](const std::string& tag) { return std::wstring(tag.begin(), tag.end()); };
    const std::string tail = R"( --><frame name="a"><bitmap>sheet.png</bitmap><rect>0,0,2,3</rect></frame></character>)";
    const std::string letters = "\xC3\xA9 \xC2\x80 \xDF\xBF \xE0\xA0\x80 \xE1\x80\x80 \xE2\x82\xAC \xED\x9F\xBF "
                                "\xEE\x80\x80 \xEF\xBF\xBD \xF0\x90\x80\x80 \xF0\x9F\xA5\x90 \xF1\x80\x80\x80 "
                                "\xF4\x8F\xBF\xBD";
    EXPECT_NE(load(head("utf8") + letters + tail, name("utf8")).findFrame(L"a"), nullptr);
    EXPECT_NE(load("\xEF\xBB\xBF" + head("marked") + letters + tail, name("marked")).findFrame(L"a"), nullptr);
    const std::u32string wideLetters =
        U"\u00E9 \u0080 \u07FF \u0800 \u1000 \u20AC \uD7FF \uE000 \uFFFD \U00010000 \U0001F950 \U00040000 \U0010FFFD";
    for (const std::size_t width : {2u, 4u})
        for (const bool bigEndian : {false, true}) {
            const std::string tag = "w" + std::to_string(width) + (bigEndian ? "big" : "little");
            const std::string start = head(tag);
            std::u32string units = {0xFEFF};
            for (const char32_t c : std::u32string(start.begin(), start.end()) + wideLetters +
                                        std::u32string(tail.begin(), tail.end())) {
                if (width == 2 && c > 0xFFFF)
                    units += {char32_t(0xD800 + ((c - 0x10000) >> 10)), char32_t(0xDC00 + ((c - 0x10000) & 0x3FF))};
                else
                    units += c;
            }
            std::string wide;
            for (const char32_t unit : units)
                for (std::size_t byte = 0; byte < width; ++byte)
                    wide += static_cast<char>(unit >> (8 * (bigEndian ? width - 1 - byte : byte)) & 0xFF);
            EXPECT_NE(load(wide, name(tag)).findFrame(L"a"), nullptr) << tag;
        }
}

} // namespace
