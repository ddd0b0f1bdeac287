#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Language/GameTexts.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/Platform/Utf8.h"

#include <algorithm>
#include <vector>

using irr::core::stringw;
using TovarWorks::GameTexts;
using TovarWorks::SimpleLanguageSystem;

class LanguageTest : public NullDeviceFixture {
protected:
    stringw folderOf(const std::string& sub) const { return stringw(dir.file(sub).c_str()); }
    const stringw& lastConsoleText() { return device().getConsole()->lines.back().text; }
    TempDir dir;
};

TEST_F(LanguageTest, ShippedEngineTextsHaveSixteenNumbers) {
    SimpleLanguageSystem& language = *device().getLanguageSystem();
    EXPECT_EQ(language.textCount(), 16u);
    for (int number = 0; number < 16; ++number)
        EXPECT_FALSE(language.getText(number).empty()) << "engine text " << number;
    EXPECT_EQ(language.getText(16), L"STRING_OUT_OF_BOUNDARIES");
    EXPECT_EQ(language.getText(-1), L"STRING_OUT_OF_BOUNDARIES");
}

TEST_F(LanguageTest, FolderListsLanguagesAndTheLastMatchingNameCounts) {
    dir.write("lang/lang.txt", "# languages\nlang=English,english\nlang=\"Deutsch, neu\",deutsch\r\nlang=English,british\n");
    dir.write("lang/british/defs.tsf", "zero\r\n\ntwo\n");
    SimpleLanguageSystem language;
    language.setFolder(folderOf("lang"));
    ASSERT_EQ(language.languages().size(), 3u);
    EXPECT_EQ(language.languages()[1]->name, L"Deutsch, neu");
    EXPECT_EQ(language.languages()[1]->folder, folderOf("lang") + L"\\deutsch");
    ASSERT_TRUE(language.loadLanguage(L"English"));
    EXPECT_EQ(language.textCount(), 3u);
    EXPECT_EQ(language.getText(0), L"zero");
    EXPECT_EQ(language.getText(1), L"") << "an empty line still takes its number";
    EXPECT_EQ(language.getText(2), L"two");
}

TEST_F(LanguageTest, UnknownLanguageAndMissingDefinitionsAreReported) {
    dir.write("lang/lang.txt", "lang=English,nowhere\n");
    SimpleLanguageSystem language;
    language.setFolder(folderOf("lang"));
    EXPECT_FALSE(language.loadLanguage(L"Klingon"));
    EXPECT_EQ(lastConsoleText(), L"LANGUAGE-SYSTEM: Language definition 'Klingon' not found.");
    EXPECT_FALSE(language.loadLanguage(L"English"));
    EXPECT_EQ(lastConsoleText(),
              stringw(L"MAP-LANGUAGE: .tsf '") + folderOf("lang") + L"\\nowhere\\defs.tsf' konnte nicht geladen werden");

    SimpleLanguageSystem empty;
    empty.setFolder(folderOf("no-such-folder"));
    EXPECT_TRUE(empty.languages().empty());
}

TEST(StartLanguageTest, TheStartUpLinesComeInTheLanguageChosenBeforeInit) {
    const struct {
        const wchar_t* language;
        const wchar_t* readyLine;
    } cases[] = {{L"Deutsch", L"Fenster, Konsole und Dienste sind bereit."},
                 {L"Klingon", L"Window, console and services are ready."}};
    for (const auto& c : cases) {
        TovarWorks::gDevice = new TovarWorks::TovarDevice();
        TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
        TovarWorks::gDevice->setStartLanguage(c.language);
        const bool started = TovarWorks::gDevice->init(640, 360, false, irr::video::EDT_NULL);
        const std::vector<TovarWorks::ConsoleLine> lines = started ? TovarWorks::gDevice->getConsole()->lines
                                                                   : std::vector<TovarWorks::ConsoleLine>{};
        delete TovarWorks::gDevice;
        TovarWorks::gDevice = nullptr;
        ASSERT_TRUE(started) << "an unknown language starts in English";
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& line) { return line.text == c.readyLine; }))
            << "start language " << TovarWorks::toUtf8(c.language);
    }
}

TEST(KeyLineFieldTest, SplitsAtCommasHonouringQuotes) {
    const auto field = &SimpleLanguageSystem::keyLineField;
    EXPECT_EQ(field(L"lang=English,english", 0), L"lang");
    EXPECT_EQ(field(L"lang=English,english", 1), L"English");
    EXPECT_EQ(field(L"lang=English,english", 2), L"english");
    EXPECT_EQ(field(L"lang=English,english", 3), L"");
    EXPECT_EQ(field(L"no equals here", 1), L"EGT_OUT_OF_RANGE");
    EXPECT_EQ(field(L"k=\"a,b\",c", 1), L"a,b");
    EXPECT_EQ(field(L"k=\"a,b\",c", 2), L"c");
    EXPECT_EQ(field(L"k=\"say \"hi\" now\"", 1), L"say \"hi\" now");
    EXPECT_EQ(field(L"k=\"open to the end", 1), L"open to the end");
    EXPECT_EQ(field(L"k=,,x", 3), L"x");
    EXPECT_EQ(field(L"k=a=b", 1), L"a=b");
}

class GameTextsTest : public LanguageTest {
protected:
    GameTexts load(const std::string& content) {
        GameTexts texts;
        texts.loadGameTexts(dir.write("en.txt", content));
        return texts;
    }
};

TEST_F(GameTextsTest, LinesWithExactlyOneEqualsSignAreTexts) {
    const GameTexts texts = load("# comment\n\nINTRO_1=hello\r\nEMPTY=\nTWO=a=b\nintro_1=lower\n");
    EXPECT_EQ(texts.getGameText("INTRO_1"), L"hello");
    EXPECT_EQ(texts.getGameText("intro_1"), L"lower");
    EXPECT_TRUE(texts.has("EMPTY"));
    EXPECT_EQ(texts.getGameText("EMPTY"), L"");
    EXPECT_EQ(texts.getGameText("TWO"), L"MISSINGNO");
    EXPECT_EQ(texts.getGameText("NOWHERE"), L"MISSINGNO");
}

TEST_F(GameTextsTest, EscapedNewlinesBecomeLineBreaksEvenInARow) {
    const GameTexts texts = load("A=one\\n\\ntwo\\\nB=\\n\n");
    EXPECT_EQ(texts.getGameText("A"), L"one\n\ntwo\\");
    EXPECT_EQ(texts.getGameText("B"), L"\n");
}

TEST_F(GameTextsTest, TheFirstDefinitionWinsAndTheSecondIsReported) {
    const GameTexts texts = load("X=first\nX=second\n");
    EXPECT_EQ(texts.getGameText("X"), L"first");
    EXPECT_EQ(lastConsoleText(), L"Take take, text identifier X already defined!");
}

TEST_F(GameTextsTest, AMissingFileLeavesTheTableEmptyAndIsReported) {
    const std::string missing = dir.file("none.txt");
    GameTexts texts;
    texts.loadGameTexts(missing);
    EXPECT_TRUE(texts.all().empty());
    EXPECT_EQ(lastConsoleText(), stringw(L"Could not load the game texts ") + stringw(missing.c_str()));
}

TEST_F(GameTextsTest, BytesAboveAsciiAndGarbageNeverBreakLoading) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 37) % 256);
    const GameTexts texts = load(garbage + "\nOK=\xe4t\n");
    EXPECT_EQ(texts.getGameText("OK"), std::wstring(L"\u00e4t"));
}

TEST_F(GameTextsTest, UtfEightLettersAreOneCharacterAndStrayBytesReadAsLatinOne) {
    const struct {
        const char* bytes;
        const wchar_t* text;
    } cases[] = {
        {"gr\xc3\xbc\xc3\x9f", L"gr\u00fc\u00df"},          // two-byte letters
        {"\xe2\x82\xac!", L"\u20ac!"},                       // a three-byte sign
        {"a\xc3", L"a\u00c3"},                                // cut at the end
        {"\xc0\xaf", L"\u00c0\u00af"},                        // an overlong slash is no slash
        {"\xed\xa0\x80", L"\u00ed\u00a0\u0080"},              // a surrogate is no character
        {"\xbf\xe4t", L"\u00bf\u00e4t"},                      // Latin-1 as older files had it
    };
    for (const auto& c : cases) {
        const GameTexts texts = load(std::string("T=") + c.bytes + "\n");
        EXPECT_EQ(texts.getGameText("T"), c.text) << c.bytes;
    }
}

TEST_F(LanguageTest, ASecondLanguageReplacesTheFirstFromNumberZero) {
    dir.write("lang/lang.txt", "lang=English,en\nlang=Deutsch,de\nlang=Broken,nowhere\n");
    dir.write("lang/en/defs.tsf", "zero\none\n");
    dir.write("lang/de/defs.tsf", "null \xc3\xa4\n");
    SimpleLanguageSystem language;
    language.setFolder(folderOf("lang"));
    ASSERT_TRUE(language.loadLanguage(L"English"));
    ASSERT_TRUE(language.loadLanguage(L"Deutsch"));
    EXPECT_EQ(language.textCount(), 1u);
    EXPECT_EQ(language.getText(0), L"null \u00e4");
    EXPECT_FALSE(language.loadLanguage(L"Broken"));
    EXPECT_EQ(language.getText(0), L"null \u00e4") << "a language that cannot be read keeps the one there was";
}

TEST(NativePathTest, BackslashesAndCaseOfTheDesignAreFound) {
    TempDir dir;
    dir.write("TovarWorks/lang/english/defs.tsf", "x");
    const std::string designPath = dir.path().string() + "\\tovarworks\\lang\\English\\defs.tsf";
    EXPECT_EQ(TovarWorks::nativePath(designPath), dir.file("TovarWorks/lang/english/defs.tsf"));
    EXPECT_EQ(TovarWorks::nativePath(std::string("no\\such\\file")), "no/such/file");
}
