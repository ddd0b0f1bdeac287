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
    // A language folder with the given list, in which the named languages are loaded.
    SimpleLanguageSystem& languages(const std::string& list) {
        dir.write("lang/lang.txt", list);
        language.setFolder(folderOf("lang"));
        return language;
    }
    GameTexts load(const std::string& content) {
        GameTexts texts;
        texts.loadGameTexts(dir.write("en.txt", content));
        return texts;
    }
    TempDir dir;
    SimpleLanguageSystem language;
};

TEST_F(LanguageTest, TheListNamesTheLanguagesTheLastMatchingNameCountsAndEveryLineTakesANumber) {
    languages("# languages\nlang=English,english\nlang=\"Deutsch, neu\",deutsch\r\nlang=English,british\n");
    dir.write("lang/british/defs.tsf", "zero\r\n\ntwo\n");
    ASSERT_EQ(language.languages().size(), 3u);
    EXPECT_EQ(language.languages()[1]->name, L"Deutsch, neu");
    EXPECT_EQ(language.languages()[1]->folder, folderOf("lang") + L"\\deutsch");
    ASSERT_TRUE(language.loadLanguage(L"English"));
    EXPECT_EQ(language.textCount(), 3u);
    const stringw expected[] = {L"zero", L"", L"two", L"STRING_OUT_OF_BOUNDARIES"};
    for (int number = 0; number < 4; ++number)
        EXPECT_EQ(language.getText(number), expected[number]) << number;
    EXPECT_EQ(language.getText(-1), L"STRING_OUT_OF_BOUNDARIES");
}

TEST_F(LanguageTest, UnknownLanguagesMissingDefinitionsAndFoldersAreReported) {
    languages("lang=English,nowhere\n");
    EXPECT_FALSE(language.loadLanguage(L"Klingon"));
    EXPECT_EQ(lastConsoleText(), L"LANGUAGE-SYSTEM: Language definition 'Klingon' not found.");
    EXPECT_FALSE(language.loadLanguage(L"English"));
    EXPECT_EQ(lastConsoleText(),
              stringw(L"MAP-LANGUAGE: .tsf '") + folderOf("lang") + L"\\nowhere\\defs.tsf' konnte nicht geladen werden");
    SimpleLanguageSystem empty;
    empty.setFolder(folderOf("no-such-folder"));
    EXPECT_TRUE(empty.languages().empty());
}

TEST_F(LanguageTest, ASecondLanguageReplacesTheFirstFromNumberZeroUnlessItCannotBeRead) {
    languages("lang=English,en\nlang=Deutsch,de\nlang=Broken,nowhere\n");
    dir.write("lang/en/defs.tsf", "zero\none\n");
    dir.write("lang/de/defs.tsf", "null \xc3\xa4\n");
    ASSERT_TRUE(language.loadLanguage(L"English"));
    ASSERT_TRUE(language.loadLanguage(L"Deutsch"));
    EXPECT_EQ(language.textCount(), 1u);
    EXPECT_EQ(language.getText(0), L"null \u00e4");
    EXPECT_FALSE(language.loadLanguage(L"Broken"));
    EXPECT_EQ(language.getText(0), L"null \u00e4");
}

TEST(StartLanguageTest, TheStartUpLinesComeInTheLanguageChosenBeforeInit) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"Deutsch", L"Fenster, Konsole und Dienste sind bereit."},
        {L"Klingon", L"Window, console and services are ready."}}; // unknown: English
    for (const auto& [language, readyLine] : cases) {
        TovarWorks::gDevice = new TovarWorks::TovarDevice();
        TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
        TovarWorks::gDevice->setStartLanguage(language);
        const bool started = TovarWorks::gDevice->init(640, 360, false, irr::video::EDT_NULL);
        const std::vector<TovarWorks::ConsoleLine> lines =
            started ? TovarWorks::gDevice->getConsole()->lines : std::vector<TovarWorks::ConsoleLine>{};
        delete TovarWorks::gDevice;
        TovarWorks::gDevice = nullptr;
        ASSERT_TRUE(started);
        const auto& ready = readyLine; // a lambda may not capture a structured binding before C++20
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& line) { return line.text == ready; }))
            << TovarWorks::toUtf8(language);
    }
}

TEST(KeyLineFieldTest, SplitsAtCommasHonouringQuotes) {
    const struct {
        const wchar_t* line;
        int field;
        const wchar_t* value;
    } cases[] = {{L"lang=English,english", 0, L"lang"}, {L"lang=English,english", 1, L"English"},
                 {L"lang=English,english", 2, L"english"}, {L"lang=English,english", 3, L""},
                 {L"no equals here", 1, L"EGT_OUT_OF_RANGE"}, {L"k=\"a,b\",c", 1, L"a,b"}, {L"k=\"a,b\",c", 2, L"c"},
                 {L"k=\"say \"hi\" now\"", 1, L"say \"hi\" now"}, {L"k=\"open to the end", 1, L"open to the end"},
                 {L"k=,,x", 3, L"x"}, {L"k=a=b", 1, L"a=b"}, {L"k=\"\",x", 2, L"x"},
                 {L"=English", 0, L""}};
    for (const auto& c : cases)
        EXPECT_EQ(SimpleLanguageSystem::keyLineField(c.line, c.field), c.value) << c.field << " of " << c.line;
}

TEST_F(LanguageTest, GameTextsAreLinesWithOneEqualsSignTheFirstDefinitionWinning) {
    const GameTexts texts = load("# comment\n\nINTRO_1=hello\r\nEMPTY=\nTWO=a=b\nintro_1=lower\nA=one\\n\\ntwo\\\nB=\\n\n"
                                 "INTRO_1=again\n");
    EXPECT_EQ(lastConsoleText(), L"Take take, text identifier INTRO_1 already defined!");
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"INTRO_1", L"hello"}, {"intro_1", L"lower"}, {"EMPTY", L""},
        {"TWO", L"MISSINGNO"}, {"NOWHERE", L"MISSINGNO"}, {"A", L"one\n\ntwo\\"}, {"B", L"\n"}}; // escaped line breaks
    for (const auto& [id, text] : cases)
        EXPECT_EQ(texts.getGameText(id), text) << id;
    EXPECT_TRUE(texts.has("EMPTY"));
}

TEST_F(LanguageTest, AMissingGameTextFileLeavesTheTableEmptyAndIsReported) {
    const std::string missing = dir.file("none.txt");
    GameTexts texts;
    texts.loadGameTexts(missing);
    EXPECT_TRUE(texts.all().empty());
    EXPECT_EQ(lastConsoleText(), stringw(L"Could not load the game texts ") + stringw(missing.c_str()));
}

TEST_F(LanguageTest, GameTextsReadUtfEightStrayBytesAsLatinOneAndSurviveGarbage) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 37) % 256);
    EXPECT_EQ(load(garbage + "\nOK=\xe4t\n").getGameText("OK"), std::wstring(L"\u00e4t"));
    const std::pair<const char*, const wchar_t*> cases[] = {
        {"gr\xc3\xbc\xc3\x9f", L"gr\u00fc\u00df"},      // two-byte letters
        {"\xe2\x82\xac!", L"\u20ac!"},                   // a three-byte sign
        {"\xf0\x9f\x8d\x9e", L"\U0001f35e"},             // a four-byte loaf
        {"a\xc3", L"a\u00c3"},                            // cut at the end
        {"\xc0\xaf", L"\u00c0\u00af"},                    // an overlong slash is no slash
        {"\xe0\x80\xaf", L"\u00e0\u0080\u00af"},          // nor in three bytes
        {"\xf4\x90\x80\x80", L"\u00f4\u0090\u0080\u0080"}, // past the last code point
        {"\xed\xa0\x80", L"\u00ed\u00a0\u0080"},          // a surrogate is no character
        {"\xbf\xe4t", L"\u00bf\u00e4t"},                  // Latin-1 as older files had it
        {"B\xe4" "ckerei", L"B\u00e4ckerei"}};            // and inside a word, with letters enough after it
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(load(std::string("T=") + bytes + "\n").getGameText("T"), text) << bytes;
}

TEST(Utf8Test, WellFormedTextIsWrittenBackAsTheBytesItWasReadFrom) {
    for (const std::string bytes : {"plain", "gr\xc3\xbc\xc3\x9f", "\xe2\x82\xac!", "\xf0\x9f\x8d\x9e \xf4\x8f\xbf\xbf"})
        EXPECT_EQ(TovarWorks::toUtf8(TovarWorks::fromUtf8(bytes)), bytes);
    EXPECT_EQ(TovarWorks::toUtf8(std::wstring(1, static_cast<wchar_t>(0x110000))), "\xef\xbf\xbd") << "past Unicode";
}

TEST(NativePathTest, WindowsStylePathsAreFoundWhateverTheirCase) {
    TempDir dir;
    dir.write("TovarWorks/lang/english/defs.tsf", "x");
    const std::string windowsPath = dir.path().string() + "\\tovarworks\\lang\\English\\defs.tsf";
    EXPECT_EQ(TovarWorks::nativePath(windowsPath), dir.file("TovarWorks/lang/english/defs.tsf"));
    EXPECT_EQ(TovarWorks::nativePath(std::string("no\\such\\file")), "no/such/file");
}
