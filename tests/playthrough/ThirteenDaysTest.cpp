// The whole game, thirteen days from the title menu to the ending, played on the null driver with
// the real keys: the intro, every morning's letter, flour from the storeroom, doughs from the free
// recipe and from the book, the oven, the counter, the merchant and his loaf pan, and bed. One
// baker earns her goal; the other sells a few buns at the fair price and loses. Both play at frame
// lengths from 200 down to 20 frames a second, and the game must come out the same.
#include "Baker.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Story/DialogueTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using namespace Lumo;
using Strings = std::vector<std::string>;

class ThirteenDays : public ::testing::TestWithParam<double> {
protected:
    static constexpr int kShopCloses = 14 * 60 + 35; // the last visitor's patience has run out

    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 0); // the music plays, silently
        ScriptedPlayOptions options;
        options.skipIntro = false;
        options.frameMillis = GetParam();
        play = std::make_unique<ScriptedPlay>(options);
        ASSERT_TRUE(play->isReady());
        reader = std::make_unique<DialogueReader>(*play);
        baker = std::make_unique<Baker>(*play, *reader);
    }
    void TearDown() override {
        std::printf("[ frames ] %.1f ms: %u frames\n", GetParam(), play ? play->getFrame() : 0u);
        baker.reset();
        reader.reset();
        play.reset();
    }

    WorldState& world() { return gGameData->world; }
    bool flag(const char* name) { return world().flagsAndPopularity.isSet(name); }
    float popularity() { return world().flagsAndPopularity.popularity; }
    bool unlocked(int32_t kind) { return world().goods.isUnlocked(kind); }

    void playIntro() {
        play->chooseNewGame();
        ASSERT_TRUE(play->runUntil([this] { return play->getLogic().isGameStarted(); }, baker->frames(8000)));
        ASSERT_TRUE(baker->settle(1600000)) << baker->why();
        Strings intro;
        for (const StoryBox& box : DialogueTable::intro())
            intro.insert(intro.end(), box.pageIds.begin(), box.pageIds.end());
        EXPECT_EQ(intro, reader->pagesSeen());
        ASSERT_EQ(1, world().day);
    }

    void startDay(int day) {
        ASSERT_EQ(day, world().day);
        ASSERT_LT(world().minuteOfDay, 7 * 60) << "the day began late";
        const size_t visits = static_cast<size_t>(popularity());
        EXPECT_EQ(visits / 2 + visits, world().customers->schedule().size())
            << "today's visits do not follow the popularity";
    }

    // A free dough that finds a new good, and Sophie's remark on it.
    void discover(int32_t kind, int flour, int butter, int milk) {
        ASSERT_FALSE(unlocked(kind));
        reader->forgetPages();
        ASSERT_TRUE(baker->makeFreeDough(flour, butter, 0, milk)) << baker->why();
        EXPECT_TRUE(unlocked(kind));
        EXPECT_EQ(DialogueTable::goodsRemark(kind)->pageIds, reader->pagesSeen()) << "no remark on kind " << kind;
    }

    // Customers who waited a while said hello, and nothing else was said in bubbles.
    void customersGreeted() {
        const Strings lines = reader->bubblesSeen();
        EXPECT_FALSE(lines.empty()) << "no customer ever greeted";
        for (const std::string& line : lines)
            EXPECT_EQ(0u, line.rfind("CUS_HELLO_", 0)) << line;
    }

    void readTodaysLetter() {
        Strings pages;
        ASSERT_TRUE(baker->readLetter(pages)) << baker->why();
        EXPECT_EQ(DialogueTable::letter(world().day).pageIds, pages) << "day " << world().day;
    }

    // Everyone who comes is served while goods are on display, until the shop closes.
    void sellUntilClosing(bool askDouble) {
        ASSERT_TRUE(baker->goBehindCounter()) << baker->why();
        while (world().minuteOfDay < kShopCloses) {
            if (baker->customerAtCounter() && !baker->bakery().readyGoodsOnDisplay().empty()) {
                int paid = 0;
                ASSERT_TRUE(baker->serveCustomer(askDouble, paid)) << baker->why();
                earned += paid;
                ++sales;
            } else {
                reader->readAlongOneFrame();
            }
        }
    }

    void bakeBoules(int trays) {
        for (int tray = 0; tray < trays; ++tray) {
            ASSERT_TRUE(baker->makeRecipeDough(kBoule, 2)) << baker->why();
            ASSERT_NO_FATAL_FAILURE(bakeToCounter());
        }
    }

    void bakeToCounter() {
        ASSERT_TRUE(baker->bakeTrayFromTable()) << baker->why();
        ASSERT_TRUE(baker->putOnCounter()) << baker->why();
    }

    void bedtime() {
        const float before = popularity();
        ASSERT_TRUE(baker->goToBed()) << baker->why();
        EXPECT_EQ(before, popularity()) << "the night changed the popularity";
    }

    // Bed on the last day: the friend comes, and the money decides.
    void ending(const char* overlay, const Strings& pages) {
        reader->forgetPages();
        ASSERT_TRUE(baker->goToBed()) << baker->why();
        const std::wstring words(overlay, overlay + std::strlen(overlay));
        ASSERT_TRUE(baker->waitFor([&] { return baker->visual().getTextOverlay().getText() == words; }, 800000))
            << "the ending never showed its last words";
        EXPECT_EQ(pages, reader->pagesSeen());
        EXPECT_EQ(WorldState::kLastDay, world().day) << "there is no fourteenth day";
    }

    std::unique_ptr<ScriptedPlay> play;
    std::unique_ptr<DialogueReader> reader;
    std::unique_ptr<Baker> baker;
    int earned = 0;
    int sales = 0;
};

TEST_P(ThirteenDays, ABakerWhoFollowsTheMerchantsHintsWins) {
    ASSERT_NO_FATAL_FAILURE(playIntro());

    // Day 1: the free recipe with half the flour makes the first boule; it waits on the table
    // for the merchant, who misses the round loaves of his home.
    ASSERT_NO_FATAL_FAILURE(startDay(1));
    ASSERT_TRUE(baker->bringToTable(5)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(discover(kBoule, 250, 0, 0));
    ASSERT_TRUE(baker->bakeTrayFromTable()) << baker->why();
    ASSERT_TRUE(baker->putOnTable()) << baker->why();
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_TRUE(baker->waitFor([&] {
        const auto& queue = baker->visual().getCustomerQueue();
        return baker->customerAtCounter() && queue.front().customer->townsman().type == Townsman::kMerchantType;
    }, 2400000)) << "the merchant, the regular visitor of odd days, never came to the counter";
    ASSERT_TRUE(baker->takeFromTable()) << baker->why();
    ASSERT_TRUE(baker->putOnCounter()) << baker->why();
    int paid = 0;
    ASSERT_TRUE(baker->serveCustomer(true, paid)) << baker->why();
    EXPECT_EQ(2 * basePrice(kBoule), paid);
    EXPECT_TRUE(flag("MERC_HEUREKA"));
    EXPECT_EQ(1000, world().money);
    ASSERT_TRUE(baker->waitUntilMinute(kShopCloses));
    ASSERT_NO_FATAL_FAILURE(bedtime());

    // Day 2: he trusts her now and sells his loaf pan; the rest of the flour is a boule.
    ASSERT_NO_FATAL_FAILURE(startDay(2));
    EXPECT_TRUE(flag("MERC_SELL_BOX"));
    ASSERT_TRUE(baker->buyLoafPan()) << baker->why();
    EXPECT_EQ(0, world().money);
    ASSERT_TRUE(baker->makeRecipeDough(kBoule, 1)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
    EXPECT_EQ(500, world().money);
    ASSERT_NO_FATAL_FAILURE(bedtime());

    // Day 3: flour from the merchant; a loaf of bread, found with the pan, and two trays of boules.
    ASSERT_NO_FATAL_FAILURE(startDay(3));
    ASSERT_TRUE(baker->buyIngredients({15, 0, 0})) << baker->why();
    EXPECT_EQ(500 - 15 * 25, world().money);
    ASSERT_TRUE(baker->bringToTable(15)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(discover(kBread, 500, 0, 0));
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(bakeBoules(2));
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
    ASSERT_NO_FATAL_FAILURE(bedtime());

    // Day 4: butter and milk for the first croissant, then three trays of boules.
    ASSERT_NO_FATAL_FAILURE(startDay(4));
    const int beforeOrder = world().money;
    ASSERT_TRUE(baker->buyIngredients({16, 1, 1})) << baker->why();
    EXPECT_EQ(beforeOrder - 16 * 25 - 500 - 100, world().money);
    ASSERT_TRUE(baker->bringToTable(16, 1, 1)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(discover(kCrossaint, 30, 30, 30));
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(bakeBoules(3));
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
    ASSERT_NO_FATAL_FAILURE(bedtime());

    // The rest of the fortnight: flour in the morning, three trays, the counter until closing.
    for (int day = 5; day <= WorldState::kLastDay; ++day) {
        ASSERT_NO_FATAL_FAILURE(startDay(day));
        ASSERT_TRUE(baker->buyIngredients({15, 0, 0})) << baker->why();
        ASSERT_TRUE(baker->bringToTable(15)) << baker->why();
        ASSERT_NO_FATAL_FAILURE(bakeBoules(1));
        ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
        ASSERT_NO_FATAL_FAILURE(bakeBoules(2));
        const int salesBefore = sales;
        const float popularityBefore = popularity();
        ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
        EXPECT_GT(sales, salesBefore) << "nobody bought on day " << day;
        EXPECT_GT(popularity(), popularityBefore) << "good boules did not please on day " << day;
        if (day < WorldState::kLastDay)
            ASSERT_NO_FATAL_FAILURE(bedtime());
    }
    EXPECT_GE(world().money, 10000);
    customersGreeted();
    ASSERT_NO_FATAL_FAILURE(ending("you win!", {"ED_1_W_1", "ED_1_W2"}));
}

TEST_P(ThirteenDays, ABakerWhoSellsAFewBunsAtTheFairPriceLoses) {
    ASSERT_NO_FATAL_FAILURE(playIntro());

    // Day 1: one tray of buns from the book, sold at the price the menu suggests.
    ASSERT_NO_FATAL_FAILURE(startDay(1));
    ASSERT_TRUE(baker->bringToTable(2)) << baker->why();
    ASSERT_TRUE(baker->makeRecipeDough(kBun, 4)) << baker->why();
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    const float popularityBefore = popularity();
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(false));
    EXPECT_EQ(4 * basePrice(kBun), earned) << "the buns were not all sold at their fair price";
    EXPECT_EQ(500 + earned, world().money);
    EXPECT_GT(popularity(), popularityBefore);
    ASSERT_NO_FATAL_FAILURE(bedtime());

    // Then she only reads her letters and goes back to bed.
    for (int day = 2; day <= WorldState::kLastDay; ++day) {
        ASSERT_NO_FATAL_FAILURE(startDay(day));
        ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
        if (day < WorldState::kLastDay)
            ASSERT_NO_FATAL_FAILURE(bedtime());
    }
    EXPECT_EQ(500 + earned, world().money);
    EXPECT_FALSE(unlocked(kBoule));
    EXPECT_FALSE(flag("MERC_HEUREKA"));
    customersGreeted();
    ASSERT_NO_FATAL_FAILURE(ending("game over", {"ED_1_L_1", "ED_1_L_2"}));
}

// 200, 60, 30 and 20 frames a second.
INSTANTIATE_TEST_SUITE_P(FrameLengths, ThirteenDays, ::testing::Values(5.0, 16.7, 33.0, 50.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                             std::string name = std::to_string(static_cast<int>(info.param * 10.0 + 0.5));
                             name.insert(name.size() - 1, "_");
                             return "Frames" + name + "ms";
                         });
