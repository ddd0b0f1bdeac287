// The save file: what is written comes back whole, and what is not a whole, sound save is refused
// with a reason, kept aside under a damaged name, and replaced by the backup when that is sound.
#include "Mornings.h"
#include "TempDir.h"

#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Save/SaveSlot.h"
#include "src_lumo/Save/SaveText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

using namespace Lumo;
namespace fs = std::filesystem;

namespace {

std::string refusal(const std::string& text) {
    SavedGame game;
    std::string problem;
    EXPECT_FALSE(SaveText::read(text, game, problem)) << text;
    EXPECT_FALSE(problem.empty());
    return problem;
}

std::string replaced(std::string text, const std::string& line, const std::string& with) {
    const size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    return text.replace(at, line.size(), with);
}

} // namespace

TEST(SaveText, AMorningComesBackAsItWasWrittenEvenAtTheEdgeOfEveryRange) {
    // The last day, a Saturday, the first millisecond, not a coin left and nobody's favourite.
    SavedGame edges = morningOfDay(WorldState::kLastDay);
    edges.weekday = 6;
    edges.clockMs = 0;
    edges.money = 0;
    edges.popularity = 0.0f;
    // The first day, a Sunday, and the most of everything a save may hold.
    SavedGame tops = morningOfDay(1);
    tops.weekday = 0;
    tops.money = 999'999'999;
    tops.popularity = 1.0e6f;
    tops.clockMs = std::numeric_limits<int32_t>::max();
    tops.storeroomStock.fill(999'999'999);
    tops.unlockedRecipes = {0, 1, 2, 3, 4, 5, 6, 7};
    tops.discoveredGoods = {1, 2, 3, 4, 5, 6, 7};
    tops.letterDays = {1};
    tops.flags[std::string(64, 'F')] = -1.0e6f;
    tops.heroPosition = {1.0e5f, -1.0e5f, 1.0e5f};
    tops.boxes.assign(100, tops.boxes.back());
    for (const SavedGame& written : {morningOfDay(9), edges, tops}) {
        SavedGame read;
        std::string problem;
        ASSERT_TRUE(SaveText::read(SaveText::write(written), read, problem)) << problem;
        EXPECT_EQ(written, read);
        // To the last bit: the comparison of positions allows a little.
        EXPECT_EQ(written.heroPosition.X, read.heroPosition.X);
    }
}

// The round trips lean on this comparison: one blind to a value would let that value be lost unseen.
TEST(SaveText, SavesThatDifferInAnyOneValueAreToldApart) {
    const std::function<void(SavedGame&)> changes[] = {
        [](SavedGame& g) { ++g.day; },
        [](SavedGame& g) { ++g.weekday; },
        [](SavedGame& g) { ++g.money; },
        [](SavedGame& g) { g.popularity += 1.0f; },
        [](SavedGame& g) { ++g.clockMs; },
        [](SavedGame& g) { ++g.daySeed; },
        [](SavedGame& g) { ++g.storeroomStock.back(); },
        [](SavedGame& g) { ++g.tableStock.front(); },
        [](SavedGame& g) { g.flags["another"] = 1.0f; },
        [](SavedGame& g) { g.unlockedRecipes.push_back(7); },
        [](SavedGame& g) { g.discoveredGoods.push_back(7); },
        [](SavedGame& g) { g.letterDays.push_back(13); },
        [](SavedGame& g) { g.heroPosition.Z += 1.0f; },
        [](SavedGame& g) { ++g.heroFacing; },
        [](SavedGame& g) { g.boxes.back().position.X += 1.0f; },
        [](SavedGame& g) { ++g.boxes.back().contents[2]; },
    };
    const SavedGame morning = morningOfDay(9);
    ASSERT_FALSE(morning.boxes.empty());
    EXPECT_TRUE(morning == SavedGame(morning));
    for (size_t i = 0; i < std::size(changes); ++i) {
        SavedGame changed = morning;
        changes[i](changed);
        EXPECT_FALSE(changed == morning) << "change " << i;
    }
}

TEST(SaveText, ASaveCutAtAnyByteIsRefused) {
    const std::string text = SaveText::write(morningOfDay(9));
    for (size_t length = 0; length < text.size(); ++length)
        refusal(text.substr(0, length));
}

struct Damage {
    const char* what;
    const char* line;
    const char* with;
    const char* reason; // a part of the message the player reads
};

class DamagedSaveText : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedSaveText, IsRefusedWithTheReason) {
    const Damage& damage = GetParam();
    const std::string text = replaced(SaveText::write(morningOfDay(9)), damage.line, damage.with);
    EXPECT_NE(std::string::npos, refusal(text).find(damage.reason)) << refusal(text);
}

INSTANTIATE_TEST_SUITE_P(
    SaveText, DamagedSaveText,
    ::testing::Values(Damage{"UnknownVersion", "version=1\n", "version=2\n", "unknown version 2"},
                      Damage{"NoVersion", "version=1\n", "day=9\n", "not a Kornelo save"},
                      Damage{"DayZero", "\nday=9\n", "\nday=0\n", "day"},
                      Damage{"FourteenthDay", "\nday=9\n", "\nday=14\n", "day"},
                      Damage{"Weekday", "\nweekday=3\n", "\nweekday=7\n", "weekday"},
                      Damage{"NegativeMoney", "\nmoney=1875\n", "\nmoney=-5\n", "money"},
                      Damage{"HugeMoney", "\nmoney=1875\n", "\nmoney=99999999999999999999\n", "money"},
                      Damage{"MoneyPastTheLimit", "\nmoney=1875\n", "\nmoney=1000000000\n", "money"},
                      Damage{"PopularityPastTheLimit", "\npopularity=9.812345\n", "\npopularity=1000001\n",
                             "popularity"},
                      Damage{"ClockPastTheLimit", "\nclockms=1734\n", "\nclockms=2147483648\n", "clockms"},
                      Damage{"StockPastTheLimit", "\nstoreroom=300 ", "\nstoreroom=1000000000 ", "storeroom"},
                      Damage{"FlagPastTheLimit", "\nflag.STORY_STEP=2.5\n", "\nflag.STORY_STEP=-1000001\n",
                             "STORY_STEP"},
                      Damage{"HeroPastTheLimit", "\nhero.position=910.25 ", "\nhero.position=100001 ", "hero.position"},
                      Damage{"HundredAndOneBoxes", "\nboxes=2\n", "\nboxes=101\n", "boxes"},
                      Damage{"MoneyWithText", "\nmoney=1875\n", "\nmoney=1875 coins\n", "money"},
                      Damage{"PopularityNotANumber", "\npopularity=", "\npopularity=nan", "popularity"},
                      Damage{"UnknownRecipe", "\nunlocked=0 1 2 3\n", "\nunlocked=0 1 2 3 12\n", "unlocked"},
                      Damage{"RecipeTwice", "\nunlocked=0 1 2 3\n", "\nunlocked=0 1 1 2\n", "unlocked"},
                      Damage{"UnknownGood", "\ndiscovered=2 3\n", "\ndiscovered=2 3 9\n", "discovered"},
                      Damage{"LetterFromTheFuture", "\nletters=1 2\n", "\nletters=1 2 10\n", "letters"},
                      Damage{"ShortStock", "\nstoreroom=300 250 0 100 3 0\n", "\nstoreroom=300 250\n", "storeroom"},
                      Damage{"NegativeStock", "\ntable=100 0 0 0 0 0\n", "\ntable=-100 0 0 0 0 0\n", "table"},
                      Damage{"BadFlagName", "\nflag.STORY_STEP=", "\nflag.STORY STEP=", "flag.STORY STEP"},
                      Damage{"FlagNameOfSixtyFiveLetters", "\nflag.STORY_STEP=",
                             "\nflag.STORY_STEP_XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX=", "flag.STORY_STEP_"},
                      Damage{"FlagNotANumber", "\nflag.STORY_STEP=2.5\n", "\nflag.STORY_STEP=inf\n", "STORY_STEP"},
                      Damage{"HeroFarAway", "\nhero.position=910.25 0 655.5\n", "\nhero.position=1e30 0 655.5\n",
                             "hero.position"},
                      Damage{"Facing", "\nhero.facing=3\n", "\nhero.facing=4\n", "hero.facing"},
                      Damage{"MissingBox", "\nboxes=2\n", "\nboxes=3\n", "box3.position is missing"},
                      Damage{"ExtraLine", "\nboxes=2\n", "\nboxes=2\nsecret=1\n", "unknown name secret"},
                      Damage{"ExtraLines", "\nboxes=2\n", "\nboxes=2\nzeta=1\nalpha=1\n", "unknown name zeta"},
                      Damage{"LineTwice", "\nmoney=1875\n", "\nmoney=1875\nmoney=1875\n", "money twice"},
                      Damage{"MissingValue", "\nclockms=1734\n", "\n", "clockms is missing"},
                      Damage{"Garbage", "\nseed=", "\n\x01\xff\x7f garbage\nseed=", "not a name=value line"},
                      Damage{"ValueWithoutAName", "\nboxes=2\n", "\nboxes=2\n=2\n", "not a name=value line"},
                      Damage{"WindowsLineEnds", "\nday=9\n", "\nday=9\r\n", "day"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return info.param.what; });

TEST(SaveText, ALargeFileIsNotReadAtAll) {
    EXPECT_NE(std::string::npos, refusal(std::string(SaveText::kMaxBytes + 1, 'x')).find("too large"));
    EXPECT_NE(std::string::npos, refusal(std::string(SaveText::kMaxBytes, 'x')).find("cut off"))
        << "read up to the limit";
}

class SaveSlotTest : public ::testing::Test {
protected:
    void write(int day) {
        const SaveSlot::Written written = slot.write(morningOfDay(day));
        ASSERT_TRUE(written.saved) << written.messages.at(0);
        EXPECT_TRUE(written.messages.empty()) << written.messages.at(0);
    }
    static int dayIn(const fs::path& file) {
        SavedGame game;
        std::string problem;
        return SaveText::read(readWholeFile(file.string()), game, problem) ? game.day : 0;
    }

    TempDir folder;
    SaveSlot slot{folder.path() / SaveSlot::kFileName};
    const fs::path damaged = folder.path() / "kornelo.sav.damaged";
    const fs::path backupDamaged = folder.path() / "kornelo.sav.bak.damaged";
};

TEST_F(SaveSlotTest, EachMorningReplacesTheSaveAndKeepsThePreviousOneAsBackup) {
    EXPECT_FALSE(slot.load().game) << "nothing saved yet";
    write(2);
    write(3);
    EXPECT_EQ(3, dayIn(slot.path()));
    EXPECT_EQ(2, dayIn(slot.backupPath()));
    EXPECT_FALSE(fs::exists(slot.path().string() + ".tmp"));
    const SaveSlot::Loaded loaded = slot.load();
    ASSERT_TRUE(loaded.game);
    EXPECT_EQ(3, loaded.game->day);
    EXPECT_TRUE(loaded.messages.empty());
}

TEST_F(SaveSlotTest, WhenSaveAndBackupAreDamagedNothingIsLoadedAndBothAreKept) {
    folder.write(SaveSlot::kFileName, "version=1\nday=3\n");
    folder.write("kornelo.sav.bak", "\x89PNG garbage");
    // An earlier damaged save is not overwritten either.
    folder.write("kornelo.sav.damaged", "older");
    const SaveSlot::Loaded loaded = slot.load();
    EXPECT_FALSE(loaded.game);
    EXPECT_EQ(2u, loaded.messages.size());
    EXPECT_EQ("older", readWholeFile(damaged.string()));
    EXPECT_EQ("version=1\nday=3\n", readWholeFile(damaged.string() + "-2"));
    EXPECT_EQ("\x89PNG garbage", readWholeFile(backupDamaged.string()));
    EXPECT_FALSE(fs::exists(slot.path()));
}

TEST_F(SaveSlotTest, ASaveThatCannotBeReadIsToldLeftWhereItIsAndTheBackupLoads) {
    write(4);
    write(5);
    fs::remove(slot.path());
    fs::create_directories(slot.path() / "photos");
    const SaveSlot::Loaded loaded = slot.load();
    ASSERT_TRUE(loaded.game);
    EXPECT_EQ(4, loaded.game->day);
    ASSERT_EQ(2u, loaded.messages.size());
    EXPECT_EQ("the save " + slot.path().string() + " cannot be read", loaded.messages[0]);
    EXPECT_TRUE(fs::exists(slot.path() / "photos")) << "nothing is moved aside as damaged";
}

TEST_F(SaveSlotTest, ABackupThatCannotBeMadeIsToldAndTheNewMorningIsStillSaved) {
    write(6);
    // A folder that is not empty in the backup's place can be neither removed nor replaced.
    fs::create_directories(slot.backupPath() / "photos");
    const SaveSlot::Written written = slot.write(morningOfDay(7));
    EXPECT_TRUE(written.saved);
    ASSERT_EQ(1u, written.messages.size());
    EXPECT_NE(std::string::npos, written.messages[0].find("backup " + slot.backupPath().string() + " could not be made"))
        << written.messages[0];
    EXPECT_EQ(7, dayIn(slot.path()));
    EXPECT_TRUE(fs::exists(slot.backupPath() / "photos")) << "what was in the backup's place stays";
}

TEST_F(SaveSlotTest, RemovingTakesTheSaveAndItsBackup) {
    write(8);
    write(9);
    slot.remove();
    EXPECT_FALSE(fs::exists(slot.path()));
    EXPECT_FALSE(fs::exists(slot.backupPath()));
    EXPECT_FALSE(slot.load().game);
}
