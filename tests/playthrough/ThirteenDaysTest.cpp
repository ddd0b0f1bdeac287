// The whole game, thirteen days from the title menu to the ending, played on the null driver with
// the real keys: the intro, every morning's letter, flour from the storeroom, doughs from the free
// recipe and from the book, the oven, the counter, the merchant and his loaf pan, and bed. One
// baker earns her goal; the other sells a few buns at the fair price and loses. Both play at frame
// lengths from 200 down to 20 frames a second, and the game must come out the same.
#include "WinningDays.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Game/LumoGameLogic.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

using namespace Lumo;

class ThirteenDays : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0); // the music plays, silently
        ScriptedPlayOptions options;
        options.skipIntro = false;
        options.frameMillis = GetParam();
        play = std::make_unique<ScriptedPlay>(options);
        ASSERT_TRUE(play->isReady());
        reader = std::make_unique<DialogueReader>(*play);
        baker = std::make_unique<Baker>(*play, *reader);
        days = std::make_unique<WinningDays>(*play, *reader, *baker);
    }
    void TearDown() override {
        std::printf("[ frames ] %.1f ms: %u frames\n", GetParam(), play ? play->getFrame() : 0u);
        days.reset();
        baker.reset();
        reader.reset();
        play.reset();
    }

    WorldState& world() { return gGameData->world; }
    bool flag(const char* name) { return world().flagsAndPopularity.isSet(name); }
    float popularity() { return world().flagsAndPopularity.popularity; }
    bool unlocked(int32_t kind) { return world().goods.isUnlocked(kind); }

    std::unique_ptr<ScriptedPlay> play;
    std::unique_ptr<DialogueReader> reader;
    std::unique_ptr<Baker> baker;
    std::unique_ptr<WinningDays> days;
};

TEST_P(ThirteenDays, ABakerWhoFollowsTheMerchantsHintsWins) {
    ASSERT_NO_FATAL_FAILURE(days->playIntro());
    for (int day = 1; day <= WorldState::kLastDay; ++day)
        ASSERT_NO_FATAL_FAILURE(days->playDay(day));
    EXPECT_GE(world().money, 10000);
    days->customersGreeted();
    ASSERT_NO_FATAL_FAILURE(days->ending("you win!", {"ED_1_W_1", "ED_1_W2"}));
}

TEST_P(ThirteenDays, ABakerWhoSellsAFewBunsAtTheFairPriceLoses) {
    ASSERT_NO_FATAL_FAILURE(days->playIntro());

    // Day 1: one tray of buns from the book, sold at the price the menu suggests.
    ASSERT_NO_FATAL_FAILURE(days->startDay(1));
    ASSERT_TRUE(baker->bringToTable(2)) << baker->why();
    ASSERT_TRUE(baker->makeRecipeDough(kBun, 4)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(days->bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(days->readTodaysLetter());
    const float popularityBefore = popularity();
    ASSERT_NO_FATAL_FAILURE(days->sellUntilClosing(false));
    EXPECT_EQ(4 * basePrice(kBun), days->earned) << "the buns were not all sold at their fair price";
    EXPECT_EQ(500 + days->earned, world().money);
    EXPECT_GT(popularity(), popularityBefore);
    ASSERT_NO_FATAL_FAILURE(days->bedtime());

    // Then she only reads her letters and goes back to bed.
    for (int day = 2; day <= WorldState::kLastDay; ++day) {
        ASSERT_NO_FATAL_FAILURE(days->startDay(day));
        ASSERT_NO_FATAL_FAILURE(days->readTodaysLetter());
        if (day < WorldState::kLastDay)
            ASSERT_NO_FATAL_FAILURE(days->bedtime());
    }
    EXPECT_EQ(500 + days->earned, world().money);
    EXPECT_FALSE(unlocked(kBoule));
    EXPECT_FALSE(flag("MERC_HEUREKA"));
    days->customersGreeted();
    ASSERT_NO_FATAL_FAILURE(days->ending("game over", {"ED_1_L_1", "ED_1_L_2"}));
}

// 200, 60, 30 and 20 frames a second.
INSTANTIATE_TEST_SUITE_P(FrameLengths, ThirteenDays, ::testing::Values(5.0, 16.7, 33.0, 50.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                             std::string name = std::to_string(static_cast<int>(info.param * 10.0 + 0.5));
                             name.insert(name.size() - 1, "_");
                             return "Frames" + name + "ms";
                         });
