// The shipped game texts of every language: every id the story and the menus ask for is there,
// and every page can be drawn by the bakery font inside the dialogue box.
#include "TempDir.h"

#include "TovarWorks/Language/GameTexts.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Game/WorldState.h"
#include "TovarWorks/Platform/Utf8.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/HintLine.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Input/KeyNames.h"
#include "src_lumo/Input/KeyWords.h"
#include "src_lumo/Story/DialogueTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The name plate is 110 units wide.
const size_t kMaxSpeakerNameLength = 7;
// The options screen sets its values 144 units right of the option names: eight letters and a space.
const size_t kMaxOptionNameLength = 8;
// The keys page: values 128 units right of the actions, set 12 units apart, and the pad's column
// 148 units on, 94 before the panel's edge; the waiting row has both columns.
const size_t kMaxActionNameLength = 7;
const size_t kMaxKeyNameLength = 12;
const size_t kMaxPadTextLength = 7;
const size_t kMaxWaitingTextLength = 20;

std::vector<std::string> keysPageIds() {
    std::vector<std::string> ids = {"KEYS_PRESS", "KEYS_PAD"};
    for (int action = 0; action < Lumo::KeyBindings::kActionCount; ++action)
        ids.push_back(Lumo::KeyWords::actionId(static_cast<Lumo::GameAction>(action)));
    for (int key = 0; key < irr::KEY_KEY_CODES_COUNT; ++key)
        if (const std::string id = Lumo::KeyNames::textId(static_cast<irr::EKEY_CODE>(key)); !id.empty())
            ids.push_back(id);
    return ids;
}

std::vector<std::string> letterIds() {
    std::vector<std::string> ids;
    for (int day = 1; day <= Lumo::WorldState::kLastDay; ++day)
        ids.push_back(Lumo::DialogueTable::letter(day).pageIds.front());
    return ids;
}

// Who speaks in the story, as the story's own boxes name them; the postman's name is for the
// scene and has no box.
std::vector<std::string> speakerIds() {
    std::set<std::string> ids = {"N_POSTMAN"};
    for (const Lumo::StoryBox& box : Lumo::DialogueTable::all())
        ids.insert(box.speakerId);
    return {ids.begin(), ids.end()};
}

std::vector<std::string> storyPageIds() {
    std::vector<std::string> ids;
    for (const Lumo::StoryBox& box : Lumo::DialogueTable::all())
        ids.insert(ids.end(), box.pageIds.begin(), box.pageIds.end());
    return ids;
}

const std::vector<std::string> kSpaceHints = {"HINT_STOREROOM", "HINT_DOUGH", "HINT_KNEAD", "HINT_LETTER",
                                              "HINT_SERVE",     "HINT_TALK",  "HINT_CALENDAR", "HINT_BED"};
const std::vector<std::string> kCarryHints = {"HINT_PICK_DOUGH", "HINT_PICK_TRAY", "HINT_PICK_BOX", "HINT_PUT_DOWN",
                                              "HINT_OVEN",       "HINT_UNPACK",    "HINT_BIN"};
const std::vector<std::string> kOptionNames = {"OPTION_MUSIC", "OPTION_SOUND", "OPTION_SCREEN", "OPTION_SIZE",
                                               "OPTION_RENDER", "OPTION_HINTS", "OPTION_TEXT", "OPTION_LANGUAGE", "OPTION_KEYS"};
const std::vector<std::string> kDoughRefusals = {"DOUGH_NO_RECIPE", "DOUGH_NO_FLOUR",    "DOUGH_NO_BUTTER",
                                                 "DOUGH_NO_SUGAR",  "DOUGH_NO_MILK",     "DOUGH_NO_EGG",
                                                 "DOUGH_NO_LOAF_PAN", "DOUGH_NO_PIPING_BAG"};

std::vector<std::string> requiredIds() {
    std::vector<std::string> ids = speakerIds();
    const std::vector<std::string> story = storyPageIds();
    ids.insert(ids.end(), story.begin(), story.end());
    ids.insert(ids.end(), std::begin(Lumo::CustomerManager::kGreetingIds), std::end(Lumo::CustomerManager::kGreetingIds));
    const std::vector<std::string>& overlays = Lumo::DialogueTable::overlayTextIds();
    ids.insert(ids.end(), overlays.begin(), overlays.end());
    const std::vector<std::vector<std::string>> groups = {
        {"MENU_RECIPE", "MENU_CREATE", "MENU_ADDITIONAL", "MENU_MAX", "MENU_BAKING", "MENU_MIN", "MENU_USE",
         "MENU_SUPPLY", "MENU_FLOUR", "MENU_BUTTER", "MENU_SUGAR", "MENU_MILK", "MENU_EGG", "MENU_TAKE",
         "MENU_LEFTOVER", "MENU_INGREDIENTS", "MENU_STUFF", "MENU_PRICE", "MENU_ITEM", "MENU_LOAF_PAN",
         "MENU_LOAF_PAN_PRICE", "MENU_PIPING_BAG", "MENU_PIPING_BAG_PRICE", "MENU_PRICING", "MENU_NOT_FOUND"},
        kSpaceHints, kCarryHints, kDoughRefusals,
        keysPageIds(),
        {"HINT_CLOSE", "CALENDAR_READ_AGAIN", "SELL_FAIR", "SELL_BURNT", "SELL_KEYS", "BED_CUSTOMERS_DUE", "HUD_DAY"},
        {"BED_QUESTION", "BED_YES", "BED_NO", "NEW_GAME_QUESTION", "NEW_GAME_LOST_DAY", "NEW_GAME_LOST", "NEW_GAME_YES",
         "NEW_GAME_NO", "TITLE_CONTINUE", "TITLE_NEW", "TITLE_OPTIONS", "TITLE_END"},
        kOptionNames,
        {"OPTION_FULLSCREEN", "OPTION_WINDOW", "OPTION_PIXEL_PRECISE", "OPTION_STRETCHED", "OPTION_ON", "OPTION_OFF",
         "OPTION_SLOW", "OPTION_NORMAL", "OPTION_FAST", "OPTION_INSTANT"},
    };
    for (const auto& group : groups)
        ids.insert(ids.end(), group.begin(), group.end());
    return ids;
}

// The space draws nothing but keeps its cell, as a space should.
bool fontCanDraw(wchar_t c) { return c == L' ' || Lumo::BitmapFont::hasGlyph(c); }

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

bool isComment(const std::string& line) { return !line.empty() && line[0] == '#'; }

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
        std::ifstream file(textFile, std::ios::binary);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            rawLines.push_back(line);
        }
    }

    TovarWorks::GameTexts texts;
    // As the player reads them, the keys named in hints filled in.
    std::map<std::string, std::wstring> shown;
    std::vector<std::string> rawLines;
};

TEST_P(ShippedGameTextsTest, EveryTextTheGameAsksForExists) {
    for (const std::string& id : requiredIds())
        EXPECT_TRUE(texts.has(id)) << id << " would show MISSINGNO";
}

TEST_P(ShippedGameTextsTest, NoTextLineIsSilentlyIgnored) {
    // The loader skips lines with no or several "=": a text with a stray "=" would vanish,
    // and a comment with one would become a text.
    for (size_t n = 0; n < rawLines.size(); ++n) {
        const std::string& line = rawLines[n];
        const auto equalsSigns = std::count(line.begin(), line.end(), '=');
        if (line.empty())
            continue;
        if (isComment(line))
            EXPECT_EQ(equalsSigns, 0) << "line " << n + 1 << " is a comment the loader would read as a text";
        else
            EXPECT_EQ(equalsSigns, 1) << "line " << n + 1 << " would be ignored: " << line;
    }
}

TEST_P(ShippedGameTextsTest, NoIdentifierIsDefinedTwice) {
    std::map<std::string, size_t> firstLine;
    for (size_t n = 0; n < rawLines.size(); ++n) {
        const std::string& line = rawLines[n];
        if (std::count(line.begin(), line.end(), '=') != 1)
            continue;
        const std::string id = line.substr(0, line.find('='));
        const auto inserted = firstLine.emplace(id, n + 1);
        EXPECT_TRUE(inserted.second) << id << " on line " << n + 1 << " repeats line " << inserted.first->second;
    }
}

TEST_P(ShippedGameTextsTest, ShownTextsUseOnlyCharactersTheFontDraws) {
    // A misspelt {placeholder} stays in the text, and its braces have no glyph.
    for (const auto& [id, text] : shown) {
        for (wchar_t c : text)
            EXPECT_TRUE(c == L'\n' || fontCanDraw(c))
                << id << " has a character the font cannot draw (code " << static_cast<int>(c) << ")";
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

TEST_P(ShippedGameTextsTest, EveryPageFitsTheDialogueBox) {
    const irr::core::rectf& area = Lumo::VisualTextBoxStatic::kTextArea;
    for (const auto& [id, text] : shown) {
        EXPECT_FALSE(text.empty()) << id << ": an empty page never completes";
        for (const auto& line : linesOf(text))
            EXPECT_FALSE(line.empty()) << id << " has an empty line (a stray line break?)";
        const irr::core::dimension2di size = Lumo::BitmapFont::measure(text, Lumo::VisualTextBoxStatic::kLineHeight);
        EXPECT_LE(size.Width, area.getWidth()) << id << " runs into the page marker: \"" << printable(text) << "\"";
        EXPECT_LE(size.Height, area.getHeight()) << id << " has more lines than the box: \"" << printable(text) << "\"";
    }
}

TEST_P(ShippedGameTextsTest, HintsRefusalsAndNotesFitWhereTheyAreShown) {
    const auto width = [&](const std::string& id) { return Lumo::BitmapFont::measure(shown.at(id)).Width; };
    // An act hint and a pick-up hint side by side on the hint line, well inside the screen.
    for (const std::string& space : kSpaceHints)
        for (const std::string& carry : kCarryHints)
            EXPECT_LE(Lumo::HintLine::width(Lumo::HintLine::join({shown.at(space), shown.at(carry)})), 600)
                << space << " with " << carry;
    // The dough menu's note stays within the menu's 480 units, its 16-unit margins included.
    for (const std::string& id : kDoughRefusals)
        EXPECT_LE(width(id) + 32, 480) << id;
    // The pricing keys under the sell menu's 512 units; the bed question's board beside x = 8.
    EXPECT_LE(width("SELL_KEYS") + 32, 512);
    EXPECT_LE(width("SELL_BURNT"), 320) << "the burnt note spans the name and price columns";
    EXPECT_LE(width("BED_CUSTOMERS_DUE") + 32, 632);
    // The calendar's line under its grid, from x = 120.
    EXPECT_LE(width("CALENDAR_READ_AGAIN") + 120, 640);
    // "day 13/13" on the HUD's inset: nine letters twelve units apart.
    EXPECT_LE(texts.getGameText("HUD_DAY").size() + 6, 9u);
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

TEST_P(ShippedGameTextsTest, OptionNamesStopBeforeTheirValues) {
    for (const std::string& id : kOptionNames)
        EXPECT_LE(texts.getGameText(id).size(), kMaxOptionNameLength) << id;
}

TEST_P(ShippedGameTextsTest, KeysPageWordsStopBeforeTheNextColumn) {
    const Lumo::KeyWords words(texts);
    for (int action = 0; action < Lumo::KeyBindings::kActionCount; ++action)
        EXPECT_LE(words.action(static_cast<Lumo::GameAction>(action)).size(), kMaxActionNameLength) << action;
    for (int key = 0; key < irr::KEY_KEY_CODES_COUNT; ++key)
        EXPECT_LE(words.key(static_cast<irr::EKEY_CODE>(key)).size(), kMaxKeyNameLength) << "key code " << key;
    EXPECT_LE(words.button(Lumo::KeyBindings::kButtonCount - 1).size(), kMaxPadTextLength);
    EXPECT_LE(words.pressAKey().size(), kMaxWaitingTextLength);
}

TEST_P(ShippedGameTextsTest, SpeakerNamesFitTheNamePlate) {
    for (const std::string& id : speakerIds()) {
        const std::wstring name = texts.getGameText(id);
        EXPECT_EQ(linesOf(name).size(), 1u) << id;
        EXPECT_LE(name.size(), kMaxSpeakerNameLength) << id << " \"" << printable(name) << "\" overflows the plate";
    }
}

TEST_P(ShippedGameTextsTest, EachMorningBringsADifferentLetter) {
    std::set<std::wstring> seen;
    for (const std::string& id : letterIds()) {
        ASSERT_TRUE(texts.has(id)) << id;
        EXPECT_TRUE(seen.insert(texts.getGameText(id)).second) << id << " repeats an earlier letter";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ShippedGameTextsTest, ::testing::ValuesIn(Lumo::GameLanguages::all()),
                         [](const ::testing::TestParamInfo<Lumo::GameLanguage>& info) { return info.param.code; });

TEST(GameLanguagesTest, AChosenLanguageWhoseTextsAreMissingFallsBackToEnglish) {
    TempDir dir;
    dir.write("lumodata/lang/en.txt", "HELLO=hello\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    TovarWorks::GameTexts texts;
    const std::string loaded = Lumo::GameLanguages::loadTexts("de", texts);
    std::filesystem::current_path(previous);
    EXPECT_EQ(loaded, "en");
    EXPECT_EQ(texts.getGameText("HELLO"), L"hello");
}
