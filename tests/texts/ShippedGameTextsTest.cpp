// The shipped game texts: every id the story and the menus ask for is there, and every page
// can be drawn by the bakery font inside the dialogue box.
#include "TovarWorks/Language/GameTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kTextFile = "lumodata/lang/en.txt";

// The dialogue box shows lines of 16-unit glyphs from x 60 up to the page marker at x 548,
// three rows high; the name plate is 110 units wide.
const size_t kMaxLineLength = 30;
const size_t kMaxLinesPerPage = 3;
const size_t kMaxSpeakerNameLength = 7;
const int kDays = 13;

const std::vector<std::string> kSpeakerIds = {
    "N_SOPHIE", "N_MOTHER", "N_FRIEND", "N_LETTER", "N_CUSTOMER", "N_MERCHANT", "N_BARMAN", "N_POSTMAN"};

std::vector<std::string> numbered(const std::string& prefix, int first, int last) {
    std::vector<std::string> ids;
    for (int n = first; n <= last; ++n)
        ids.push_back(prefix + std::to_string(n));
    return ids;
}

std::vector<std::string> letterIds() { return numbered("L_1_", 1, kDays); }

std::vector<std::string> requiredIds() {
    std::vector<std::string> ids = kSpeakerIds;
    const std::vector<std::vector<std::string>> groups = {
        numbered("INTRO_", 1, 30),
        letterIds(),
        {"DIS_B_1", "DIS_B_2", "DIS_BB_1", "DIS_BA_1", "DIS_CR_1", "DIS_CR_2", "DIS_DO_1", "DIS_DO_2"},
        {"CUS_NO_1"},
        {"MERC_1_1", "MERC_1_2", "MERC_2_1", "MERC_TH", "MERC_TH2", "MERC_CU_1", "MERC_CU_2", "MERC_CU_3",
         "MERC_TB_1", "MERC_TB_2", "MERC_TB_3", "MERC_TH_BOX_1", "MERC_TH_BOX_2", "MERC_TH_BAG_1",
         "MERX_TH_BAG_2"},
        {"BAR_H_1"},
        {"ED_1_L_1", "ED_1_L_2", "ED_1_W_1", "ED_1_W2"},
        {"MENU_RECIPE", "MENU_CREATE", "MENU_ADDITIONAL", "MENU_MAX", "MENU_BAKING", "MENU_MIN", "MENU_USE",
         "MENU_SUPPLY", "MENU_FLOUR", "MENU_BUTTER", "MENU_SUGAR", "MENU_MILK", "MENU_EGG", "MENU_TAKE",
         "MENU_LEFTOVER", "MENU_INGREDIENTS", "MENU_STUFF", "MENU_PRICE", "MENU_ITEM", "MENU_LOAF_PAN",
         "MENU_LOAF_PAN_PRICE", "MENU_PIPING_BAG", "MENU_PIPING_BAG_PRICE", "MENU_PRICING", "MENU_NOT_FOUND"},
    };
    for (const auto& group : groups)
        ids.insert(ids.end(), group.begin(), group.end());
    return ids;
}

// Glyphs of "lumodata/fontbakery.png"; the space draws nothing but keeps its cell.
bool fontCanDraw(wchar_t c) {
    static const std::wstring signs = L" !$',-.:?";
    return (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || signs.find(c) != std::wstring::npos;
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

std::string printable(const std::wstring& text) { return std::string(text.begin(), text.end()); }

bool isComment(const std::string& line) { return !line.empty() && line[0] == '#'; }

} // namespace

class ShippedGameTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        texts.loadGameTexts(kTextFile);
        ASSERT_FALSE(texts.all().empty()) << kTextFile << " is missing or holds no texts";
        std::ifstream file(kTextFile, std::ios::binary);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            rawLines.push_back(line);
        }
    }

    TovarWorks::GameTexts texts;
    std::vector<std::string> rawLines;
};

TEST_F(ShippedGameTextsTest, EveryTextTheGameAsksForExists) {
    for (const std::string& id : requiredIds())
        EXPECT_TRUE(texts.has(id)) << id << " would show MISSINGNO";
}

TEST_F(ShippedGameTextsTest, NoTextLineIsSilentlyIgnored) {
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

TEST_F(ShippedGameTextsTest, NoIdentifierIsDefinedTwice) {
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

TEST_F(ShippedGameTextsTest, ShownTextsUseOnlyCharactersTheFontDraws) {
    for (const auto& [id, text] : texts.all()) {
        for (wchar_t c : text)
            EXPECT_TRUE(c == L'\n' || fontCanDraw(c))
                << id << " has a character the font cannot draw (code " << static_cast<int>(c) << ")";
    }
}

TEST_F(ShippedGameTextsTest, EveryPageFitsTheDialogueBox) {
    for (const auto& [id, text] : texts.all()) {
        EXPECT_FALSE(text.empty()) << id << ": an empty page never completes";
        const auto lines = linesOf(text);
        EXPECT_LE(lines.size(), kMaxLinesPerPage) << id << " has too many lines";
        for (const auto& line : lines) {
            EXPECT_FALSE(line.empty()) << id << " has an empty line (a stray line break?)";
            EXPECT_LE(line.size(), kMaxLineLength) << id << " overflows the box: \"" << printable(line) << "\"";
        }
    }
}

TEST_F(ShippedGameTextsTest, SpeakerNamesFitTheNamePlate) {
    for (const std::string& id : kSpeakerIds) {
        const std::wstring name = texts.getGameText(id);
        EXPECT_EQ(linesOf(name).size(), 1u) << id;
        EXPECT_LE(name.size(), kMaxSpeakerNameLength) << id << " \"" << printable(name) << "\" overflows the plate";
    }
}

TEST_F(ShippedGameTextsTest, EachMorningBringsADifferentLetter) {
    std::set<std::wstring> seen;
    for (const std::string& id : letterIds()) {
        ASSERT_TRUE(texts.has(id)) << id;
        EXPECT_TRUE(seen.insert(texts.getGameText(id)).second) << id << " repeats an earlier letter";
    }
}
