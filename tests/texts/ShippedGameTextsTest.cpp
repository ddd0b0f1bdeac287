// The shipped game texts of every language: every id the game asks for is there, and every page
// can be drawn by the bakery font inside the box or column that shows it.
#include "GameCode.h"
#include "TempDir.h"

#include "TovarWorks/Language/GameTexts.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/Platform/Utf8.h"
#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/HintLine.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Input/KeyNames.h"
#include "src_lumo/Input/KeyWords.h"
#include "src_lumo/Story/DialogueTable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Who speaks in the story, as the story's own boxes name them; the postman's name is for the
// scene and has no box.
std::set<std::string> speakerIds() {
    std::set<std::string> ids = {"N_POSTMAN"};
    for (const Lumo::StoryBox& box : Lumo::DialogueTable::all())
        ids.insert(box.speakerId);
    return ids;
}

// Every id named in the game's code: the quoted upper-case words joined by underscores, except the
// story's flags; and those the story, the keys page, the customers and the goods build or keep in
// tables.
std::set<std::string> requiredIds() {
    std::set<std::string> ids = speakerIds();
    const std::set<std::string> quoted = matchesInGameCode("\"([A-Z][A-Z0-9]*(_[A-Z0-9]+)+)\"");
    ids.insert(quoted.begin(), quoted.end());
    for (const std::string& flag : matchesInGameCode("(?:flag|isSet|setFlag)\\(\"([A-Z0-9_]+)\""))
        ids.erase(flag);
    for (const Lumo::StoryBox& box : Lumo::DialogueTable::all())
        ids.insert(box.pageIds.begin(), box.pageIds.end());
    ids.insert(std::begin(Lumo::CustomerManager::kGreetingIds), std::end(Lumo::CustomerManager::kGreetingIds));
    ids.insert(Lumo::DialogueTable::overlayTextIds().begin(), Lumo::DialogueTable::overlayTextIds().end());
    for (int action = 0; action < Lumo::KeyBindings::kActionCount; ++action)
        ids.insert(Lumo::KeyWords::actionId(static_cast<Lumo::GameAction>(action)));
    for (int key = 0; key < irr::KEY_KEY_CODES_COUNT; ++key)
        if (const std::string id = Lumo::KeyNames::textId(static_cast<irr::EKEY_CODE>(key)); !id.empty())
            ids.insert(id);
    Lumo::GoodsTable goods;
    goods.fillStartingGoods();
    for (int32_t id = 0; id < Lumo::GoodsTable::kSlots; ++id)
        ids.insert(goods.labelId(id));
    return ids;
}

std::vector<std::wstring> linesOf(const std::wstring& page) {
    std::vector<std::wstring> lines(1);
    for (wchar_t c : page) {
        if (c == L'\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

std::string printable(const std::wstring& text) { return TovarWorks::toUtf8(text); }

} // namespace

namespace Lumo {
void PrintTo(const GameLanguage& language, std::ostream* out) { *out << language.code; }
} // namespace Lumo

class ShippedGameTextsTest : public ::testing::TestWithParam<Lumo::GameLanguage> {
protected:
    void SetUp() override {
        const std::string& textFile = GetParam().textFile;
        texts.loadGameTexts(textFile);
        ASSERT_FALSE(texts.all().empty()) << textFile << " is missing or holds no texts";
        const Lumo::KeyWords words(texts);
        for (const auto& [id, text] : texts.all())
            shown[id] = words.withBoundKeys(text, Lumo::KeyBindings());
    }
    // The ids whose text holds the word, as written in the file.
    std::vector<std::string> idsWith(const std::wstring& word) const {
        std::vector<std::string> ids;
        for (const auto& [id, text] : texts.all())
            if (text.find(word) != std::wstring::npos)
                ids.push_back(id);
        return ids;
    }

    TovarWorks::GameTexts texts;
    // As the player reads them, the keys named in hints filled in.
    std::map<std::string, std::wstring> shown;
};

TEST_P(ShippedGameTextsTest, EveryTextTheGameAsksForExists) {
    const std::set<std::string> ids = requiredIds();
    ASSERT_GT(ids.size(), 150u) << "the game's code was not found";
    for (const std::string& id : ids)
        EXPECT_TRUE(texts.has(id)) << id << " would show MISSINGNO";
}

// A text nothing asks for is a misspelt id in the code or a page the story lost.
TEST_P(ShippedGameTextsTest, EveryTextInTheFileIsOneTheGameAsksFor) {
    const std::set<std::string> ids = requiredIds();
    for (const auto& [id, text] : texts.all())
        EXPECT_TRUE(ids.count(id)) << id << " is asked for by nothing";
}

TEST_P(ShippedGameTextsTest, EveryPageIsDrawnByTheFontInsideTheDialogueBox) {
    const irr::core::rectf& area = Lumo::VisualTextBoxStatic::kTextArea;
    const int lineHeight = Lumo::VisualTextBoxStatic::kLineHeight;
    // The box holds three lines; a fourth would run over its frame.
    ASSERT_LE(Lumo::BitmapFont::measure(L"1\n2\n3", lineHeight).Height, area.getHeight());
    ASSERT_GT(Lumo::BitmapFont::measure(L"1\n2\n3\n4", lineHeight).Height, area.getHeight());
    for (const auto& [id, text] : shown) {
        EXPECT_FALSE(text.empty()) << id << ": an empty page never completes";
        // A misspelt {placeholder} stays in the text, and its braces have no glyph.
        for (wchar_t c : text)
            EXPECT_TRUE(c == L'\n' || c == L' ' || Lumo::BitmapFont::hasGlyph(c))
                << id << " has a character the font cannot draw (code " << static_cast<int>(c) << ")";
        for (const auto& line : linesOf(text))
            EXPECT_FALSE(line.empty()) << id << " has an empty line (a stray line break?)";
        const irr::core::dimension2di size = Lumo::BitmapFont::measure(text, lineHeight);
        EXPECT_LE(size.Width, area.getWidth()) << id << " runs into the page marker: \"" << printable(text) << "\"";
        EXPECT_LE(size.Height, area.getHeight()) << id << " has more lines than the box: \"" << printable(text) << "\"";
    }
}

TEST_P(ShippedGameTextsTest, DefinesExactlyTheIdentifiersOfTheEnglishTexts) {
    // An id only English has shows MISSINGNO in the other language; one only it has is stale.
    TovarWorks::GameTexts english;
    english.loadGameTexts(Lumo::GameLanguages::all().front().textFile);
    for (const auto& entry : english.all())
        EXPECT_TRUE(texts.has(entry.first)) << entry.first << " is not translated";
    for (const auto& entry : texts.all())
        EXPECT_TRUE(english.has(entry.first)) << entry.first << " is not an English id";
}

TEST_P(ShippedGameTextsTest, HintsAndNamesFitWhereTheyAreShown) {
    // An act hint and a pick-up hint side by side on the hint line, well inside the screen.
    const std::vector<std::string> actHints = idsWith(L"{act}"), carryHints = idsWith(L"{pickup}");
    ASSERT_FALSE(actHints.empty() || carryHints.empty());
    for (const std::string& act : actHints)
        for (const std::string& carry : carryHints)
            EXPECT_LE(Lumo::HintLine::width(Lumo::HintLine::join({shown.at(act), shown.at(carry)})), 600)
                << act << " with " << carry;
    // The name plate is 110 units wide: seven letters on one line.
    for (const std::string& id : speakerIds()) {
        const std::wstring name = texts.getGameText(id);
        EXPECT_EQ(linesOf(name).size(), 1u) << id;
        EXPECT_LE(name.size(), 7u) << id << " \"" << printable(name) << "\" overflows the plate";
    }
}

TEST_P(ShippedGameTextsTest, EngineTextsAreCompleteAndInTheConsoleFont) {
    TovarWorks::SimpleLanguageSystem engine;
    engine.setFolder(L"tovarworks\\lang");
    ASSERT_TRUE(engine.loadLanguage(GetParam().engineName.c_str()));
    EXPECT_EQ(engine.textCount(), 16u);
    for (int number = 0; number < 16; ++number) {
        const std::wstring text = engine.getText(number).c_str();
        EXPECT_FALSE(text.empty()) << "engine text " << number;
        // The console's font has the printable ASCII characters only.
        for (wchar_t c : text)
            EXPECT_TRUE(c >= 32 && c <= 126) << "engine text " << number << ": \"" << printable(text) << "\"";
    }
}

TEST_P(ShippedGameTextsTest, EachMorningBringsADifferentLetter) {
    std::set<std::wstring> seen;
    for (int day = 1; day <= Lumo::WorldState::kLastDay; ++day) {
        const std::string id = Lumo::DialogueTable::letter(day).pageIds.front();
        EXPECT_TRUE(seen.insert(texts.getGameText(id)).second) << id << " repeats an earlier letter";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ShippedGameTextsTest, ::testing::ValuesIn(Lumo::GameLanguages::all()),
                         [](const ::testing::TestParamInfo<Lumo::GameLanguage>& info) { return info.param.code; });

TEST(GameLanguagesTest, AChosenLanguageIsKeptWhileItsTextsAreThereAndFallsBackToEnglishWithout) {
    TempDir dir;
    dir.write("lumodata/lang/en.txt", "HELLO=hello\n");
    const WorkingFolder inside(dir.path());
    TovarWorks::GameTexts fallback;
    EXPECT_EQ(Lumo::GameLanguages::loadTexts("de", fallback), "en");
    EXPECT_EQ(fallback.getGameText("HELLO"), L"hello");

    dir.write("lumodata/lang/de.txt", "HELLO=hallo\n");
    TovarWorks::GameTexts german;
    EXPECT_EQ(Lumo::GameLanguages::loadTexts("de", german), "de");
    EXPECT_EQ(german.getGameText("HELLO"), L"hallo");
}
