// The check that keeps damaged XML away from Irrlicht's reader, which scans past the end of its
// buffer when a tag, a comment or an attribute never ends the way it expects.
#include "src_lumo/Sprites/XmlTagCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

bool passes(const std::string& text) {
    return Lumo::hasCompleteTags(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

} // namespace

TEST(XmlTagCheck, WellFormedTagsPass) {
    EXPECT_TRUE(passes("<?xml version=\"1.0\"?>\n<character name=\"baker\">\n"
                       "  <frame name='a' x = \"1\"><rect>0,0,32,32</rect></frame>\n"
                       "  <empty/><empty2 a=\"b\" />\n<!-- a comment with <tags> in it -->\n"
                       "  <![CDATA[ < > ]]>\n</character>\n"));
    EXPECT_TRUE(passes("")) << "no tags at all";
    EXPECT_TRUE(passes("plain text > with a closing bracket"));
}

TEST(XmlTagCheck, EndsInsideATagFail) {
    for (const char* cut : {"<a", "<a b=\"c", "<a b=\"c\"", "<a /", "</a", "<?xml version", "<!-- open", "<"})
        EXPECT_FALSE(passes(std::string("<root>") + cut)) << cut;
}

TEST(XmlTagCheck, AttributesThatWouldLeadTheReaderAstrayFail) {
    for (const char* tag : {"<a b>", "<a b c=\"d\">", "<a n\"aw=mael k\">", "<a b=c>", "<a b=\"c\" d>", "<a b/c=\"d\">",
                            "<a b = x \"c\">", "<a <b=\"c\">"})
        EXPECT_FALSE(passes(std::string(tag) + "</a> <z y=\"x\">")) << tag;
}

TEST(XmlTagCheck, ACommentMustBalanceItsBrackets) {
    // The reader ends a comment where its '<' and '>' balance, not at "-->".
    EXPECT_FALSE(passes("<!-- a < b -->"));
    EXPECT_TRUE(passes("<!-- a <b> -->"));
}

TEST(XmlTagCheck, WideEncodingsAreReadByTheirByteOrderMark) {
    const std::string text = "<a b=\"c\"/>";
    std::string utf16 = "\xFF\xFE", utf32 = std::string("\xFF\xFE\0\0", 4);
    for (const char c : text) {
        utf16 += c;
        utf16 += '\0';
        utf32 += c;
        utf32.append(3, '\0');
    }
    EXPECT_TRUE(passes(utf16));
    EXPECT_TRUE(passes(utf32));
    EXPECT_FALSE(passes(utf16.substr(0, utf16.size() - 4))) << "cut inside the tag";
    EXPECT_FALSE(passes(utf32.substr(0, utf32.size() - 8)));
}

TEST(XmlTagCheck, EveryShippedXmlFilePasses) {
    // Run from the runtime folder: sprite definitions and the level's meshes.
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("lumodata")) {
        const std::string ending = entry.path().extension().string();
        if (ending != ".xml" && ending != ".irrmesh")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(passes(content)) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
