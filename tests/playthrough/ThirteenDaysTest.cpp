// The whole game, thirteen days from the title menu to the ending, played on the null driver with
// the real keys: the intro, every morning's letter, flour from the storeroom, doughs from the free
// recipe and from the book, the oven, the counter, the merchant and his loaf pan, and bed. One
// baker earns her goal; the other sells a few buns at the fair price and loses. Both play at frame
// lengths from 200 down to 20 frames a second, and the game must come out the same.
#include "WinningDays.h"

#include "src_lumo/Bakery/GoodKind.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace Lumo;

class ThirteenDays : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override { ASSERT_TRUE(days.play.isReady()); }
    void TearDown() override { std::printf("[ frames ] %.1f ms: %u frames\n", GetParam(), days.play.getFrame()); }

    WinningDays days{GetParam()};
    Baker& baker = days.baker;
};

TEST_P(ThirteenDays, ABakerWhoFollowsTheMerchantsHintsWins) {
    ASSERT_NO_FATAL_FAILURE(days.playIntro());
    ASSERT_NO_FATAL_FAILURE(days.playDays());
    EXPECT_GE(days.world().money, 10000);
    days.customersGreeted();
    ASSERT_NO_FATAL_FAILURE(days.ending(true));
}

TEST_P(ThirteenDays, ABakerWhoSellsAFewBunsAtTheFairPriceLoses) {
    ASSERT_NO_FATAL_FAILURE(days.playIntro());

    // Day 1: one tray of buns from the book, sold at the price the menu suggests.
    ASSERT_NO_FATAL_FAILURE(days.startDay(1));
    ASSERT_NO_FATAL_FAILURE(baker.bringToTable(2));
    ASSERT_NO_FATAL_FAILURE(baker.makeRecipeDough(kBun, 4));
    ASSERT_NO_FATAL_FAILURE(days.bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(days.readTodaysLetter());
    const float popularityBefore = days.popularity();
    ASSERT_NO_FATAL_FAILURE(days.sellUntilClosing(false));
    EXPECT_EQ(4 * basePrice(kBun), days.earned) << "the buns were not all sold at their fair price";
    EXPECT_EQ(500 + days.earned, days.world().money);
    EXPECT_GT(days.popularity(), popularityBefore);
    ASSERT_NO_FATAL_FAILURE(days.bedtime());

    // Then she only reads her letters and goes back to bed.
    for (int day = 2; day <= WorldState::kLastDay; ++day) {
        ASSERT_NO_FATAL_FAILURE(days.startDay(day));
        ASSERT_NO_FATAL_FAILURE(days.readTodaysLetter());
        if (day < WorldState::kLastDay)
            ASSERT_NO_FATAL_FAILURE(days.bedtime());
    }
    EXPECT_EQ(500 + days.earned, days.world().money);
    EXPECT_FALSE(days.unlocked(kBoule));
    EXPECT_FALSE(days.flag("MERC_HEUREKA"));
    days.customersGreeted();
    ASSERT_NO_FATAL_FAILURE(days.ending(false));
}

// 200, 60, 30 and 20 frames a second.
INSTANTIATE_TEST_SUITE_P(FrameLengths, ThirteenDays, ::testing::Values(5.0, 16.7, 33.0, 50.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                             std::string name = std::to_string(static_cast<int>(info.param * 10.0 + 0.5));
                             name.insert(name.size() - 1, "_");
                             return "Frames" + name + "ms";
                         });
