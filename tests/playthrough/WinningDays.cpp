#include "WinningDays.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Story/DialogueTable.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Lumo;
using Strings = std::vector<std::string>;

namespace {

ScriptedPlayOptions silentGame(double frameMillis, const std::string& saveFile) {
    setenv("SDL_AUDIODRIVER", "dummy", 0); // the music plays, silently
    ScriptedPlayOptions options;
    options.skipIntro = false;
    options.frameMillis = frameMillis;
    options.saveFile = saveFile;
    return options;
}

} // namespace

WinningDays::WinningDays(double frameMillis, const std::string& saveFile) : play(silentGame(frameMillis, saveFile)) {}

void WinningDays::playIntro() {
    play.chooseNewGame();
    ASSERT_TRUE(play.runUntil([this] { return play.getLogic().isGameStarted(); }, baker.frames(8000)));
    ASSERT_NO_FATAL_FAILURE(baker.settle(MODE_WALKING, 1600000));
    Strings intro;
    for (const StoryBox& box : DialogueTable::intro())
        intro.insert(intro.end(), box.pageIds.begin(), box.pageIds.end());
    EXPECT_EQ(intro, reader.pagesSeen());
    ASSERT_EQ(1, world().day);
}

void WinningDays::startDay(int day) {
    ASSERT_EQ(day, world().day);
    ASSERT_LT(world().minuteOfDay, 7 * 60) << "the day began late";
    const size_t visits = static_cast<size_t>(popularity());
    EXPECT_EQ(visits / 2 + visits, world().customers->schedule().size())
        << "today's visits do not follow the popularity";
}

void WinningDays::discover(int32_t kind, int flour, int butter, int milk) {
    ASSERT_FALSE(unlocked(kind));
    reader.forgetPages();
    ASSERT_NO_FATAL_FAILURE(baker.makeFreeDough(flour, butter, 0, milk));
    EXPECT_TRUE(unlocked(kind));
    EXPECT_EQ(DialogueTable::goodsRemark(kind)->pageIds, reader.pagesSeen()) << "no remark on kind " << kind;
}

void WinningDays::customersGreeted() {
    const Strings lines = reader.bubblesSeen();
    EXPECT_FALSE(lines.empty()) << "no customer ever greeted";
    for (const std::string& line : lines)
        EXPECT_EQ(0u, line.rfind("CUS_HELLO_", 0)) << line;
}

void WinningDays::readTodaysLetter() {
    Strings pages;
    ASSERT_NO_FATAL_FAILURE(baker.readLetter(pages));
    EXPECT_EQ(DialogueTable::letter(world().day).pageIds, pages) << "day " << world().day;
}

void WinningDays::sellUntilClosing(bool askDouble) {
    ASSERT_NO_FATAL_FAILURE(baker.goBehindCounter());
    while (world().minuteOfDay < kShopCloses) {
        if (baker.customerAtCounter() && !baker.bakery().readyGoodsOnDisplay().empty()) {
            int paid = 0;
            ASSERT_NO_FATAL_FAILURE(baker.serveCustomer(askDouble, paid));
            earned += paid;
            ++sales;
        } else {
            reader.readAlongOneFrame();
        }
    }
}

void WinningDays::bakeBoules(int trays) {
    for (int tray = 0; tray < trays; ++tray) {
        ASSERT_NO_FATAL_FAILURE(baker.makeRecipeDough(kBoule, 2));
        ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    }
}

void WinningDays::bakeToCounter() {
    ASSERT_NO_FATAL_FAILURE(baker.bakeTrayFromTable());
    ASSERT_NO_FATAL_FAILURE(baker.putOnCounter());
}

void WinningDays::bedtime() {
    const float before = popularity();
    ASSERT_NO_FATAL_FAILURE(baker.goToBed());
    EXPECT_EQ(before, popularity()) << "the night changed the popularity";
}

void WinningDays::ending(bool won) {
    const std::wstring words = won ? L"you win!" : L"game over";
    reader.forgetPages();
    ASSERT_NO_FATAL_FAILURE(baker.goToBed());
    ASSERT_TRUE(baker.waitFor([&] { return baker.visual().getTextOverlay().getText() == words; }, 800000))
        << "the ending never showed its last words";
    const Strings pages = won ? Strings{"ED_1_W_1", "ED_1_W2"} : Strings{"ED_1_L_1", "ED_1_L_2"};
    EXPECT_EQ(pages, reader.pagesSeen());
    EXPECT_EQ(WorldState::kLastDay, world().day) << "there is no fourteenth day";
}

void WinningDays::playDay(int day) {
    static void (WinningDays::*const kFirstDays[])() = {&WinningDays::firstDay, &WinningDays::secondDay,
                                                         &WinningDays::thirdDay, &WinningDays::fourthDay};
    ASSERT_NO_FATAL_FAILURE(startDay(day));
    if (day <= 4)
        ASSERT_NO_FATAL_FAILURE((this->*kFirstDays[day - 1])());
    else
        ASSERT_NO_FATAL_FAILURE(ordinaryDay(day));
    if (day < WorldState::kLastDay)
        ASSERT_NO_FATAL_FAILURE(bedtime());
}

void WinningDays::playDays(int from, int to) {
    for (int day = from; day <= to; ++day)
        ASSERT_NO_FATAL_FAILURE(playDay(day));
}

// The free recipe with half the flour makes the first boule; it waits on the table for the
// merchant, who misses the round loaves of his home.
void WinningDays::firstDay() {
    ASSERT_NO_FATAL_FAILURE(baker.bringToTable(5));
    ASSERT_NO_FATAL_FAILURE(discover(kBoule, 250, 0, 0));
    ASSERT_NO_FATAL_FAILURE(baker.bakeTrayFromTable());
    ASSERT_NO_FATAL_FAILURE(baker.putOnTable());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_TRUE(baker.waitFor([&] {
        const auto& queue = baker.visual().getCustomerQueue();
        return baker.customerAtCounter() && queue.front().customer->townsman().type == Townsman::kMerchantType;
    }, 2400000)) << "the merchant, the regular visitor of odd days, never came to the counter";
    int paid = 0;
    ASSERT_NO_FATAL_FAILURE(baker.takeFromTable());
    ASSERT_NO_FATAL_FAILURE(baker.putOnCounter());
    ASSERT_NO_FATAL_FAILURE(baker.serveCustomer(true, paid));
    EXPECT_EQ(2 * basePrice(kBoule), paid);
    EXPECT_TRUE(flag("MERC_HEUREKA"));
    EXPECT_EQ(1000, world().money);
    ASSERT_NO_FATAL_FAILURE(baker.waitUntilMinute(kShopCloses));
}

// He trusts her now and sells his loaf pan; the rest of the flour is a boule.
void WinningDays::secondDay() {
    EXPECT_TRUE(flag("MERC_SELL_BOX"));
    ASSERT_NO_FATAL_FAILURE(baker.buyLoafPan());
    EXPECT_EQ(0, world().money);
    ASSERT_NO_FATAL_FAILURE(baker.makeRecipeDough(kBoule, 1));
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
    EXPECT_EQ(500, world().money);
}

// Flour from the merchant; a loaf of bread, found with the pan, and two trays of boules.
void WinningDays::thirdDay() {
    ASSERT_NO_FATAL_FAILURE(baker.buyIngredients(15));
    EXPECT_EQ(500 - 15 * 25, world().money);
    ASSERT_NO_FATAL_FAILURE(baker.bringToTable(15));
    ASSERT_NO_FATAL_FAILURE(discover(kBread, 500, 0, 0));
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(bakeBoules(2));
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
}

// Butter and milk for the first croissant, then three trays of boules.
void WinningDays::fourthDay() {
    const int beforeOrder = world().money;
    ASSERT_NO_FATAL_FAILURE(baker.buyIngredients(16, 1, 1));
    EXPECT_EQ(beforeOrder - 16 * 25 - 500 - 100, world().money);
    ASSERT_NO_FATAL_FAILURE(baker.bringToTable(16, 1, 1));
    ASSERT_NO_FATAL_FAILURE(discover(kCrossaint, 30, 30, 30));
    ASSERT_NO_FATAL_FAILURE(bakeToCounter());
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(bakeBoules(3));
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
}

// The rest of the fortnight: flour in the morning, three trays, the counter until closing.
void WinningDays::ordinaryDay(int day) {
    ASSERT_NO_FATAL_FAILURE(baker.buyIngredients(15));
    ASSERT_NO_FATAL_FAILURE(baker.bringToTable(15));
    ASSERT_NO_FATAL_FAILURE(bakeBoules(1));
    ASSERT_NO_FATAL_FAILURE(readTodaysLetter());
    ASSERT_NO_FATAL_FAILURE(bakeBoules(2));
    const int salesBefore = sales;
    const float popularityBefore = popularity();
    ASSERT_NO_FATAL_FAILURE(sellUntilClosing(true));
    EXPECT_GT(sales, salesBefore) << "nobody bought on day " << day;
    EXPECT_GT(popularity(), popularityBefore) << "good boules did not please on day " << day;
}
