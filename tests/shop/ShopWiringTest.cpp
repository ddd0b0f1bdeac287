// The shop wired into the running game: the baker's actions open the menus, the menus' answers
// change money, stocks, items and customers, and the story moments play through one place.
#include "GamePlayFixture.h"
#include "RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/OpenBarMenueEvent.h"
#include "src_lumo/Events/OpenMerchantMenueEvent.h"
#include "src_lumo/Customers/Townsfolk.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/ShopView/WaitingIcon.h"
#include "src_lumo/Sprites/CharNode.h"

#include <algorithm>

using namespace Lumo;
using irr::KEY_DOWN;
using irr::KEY_LEFT;
using irr::KEY_RIGHT;
using irr::KEY_SPACE;
using irr::KEY_UP;
using irr::KEY_KEY_C;
using irr::KEY_KEY_X;

// A new game past its intro, the shop's story moments noted instead of played.
class ShopPlay : public GamePlayFixture {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
        recordShopSequences();
    }
};

class ShopItemsInTheScene : public ShopPlay {};

TEST_F(ShopItemsInTheScene, TheOvenAndTheShelfThingsStandInTheBakery) {
    const std::vector<VisualItemPtr>& items = bakery().getItems();
    const auto count = [&](ItemKind kind) {
        return std::count_if(items.begin(), items.end(), [kind](const VisualItemPtr& item) { return item->getKind() == kind; });
    };
    EXPECT_EQ(1, count(ITEM_OVEN));
    EXPECT_EQ(7, count(ITEM_SHELF_THING));
}

class DoughAtTheTable : public ShopPlay {
protected:
    // Opens the dough menu, chooses the bun from the book and sets the batches.
    void chooseBuns(int batches) {
        placeHero(kAtTable, FACE_UP);
        hold(KEY_SPACE);
        ASSERT_EQ(MODE_DOUGH_MENU, mode());
        hold(KEY_SPACE); // the book
        ASSERT_TRUE(screens().getDoughMenu().bookOpen());
        hold(KEY_RIGHT);
        hold(KEY_SPACE);
        ASSERT_EQ(kBun, screens().getDoughMenu().recipeId());
        hold(KEY_DOWN, DoughMenue::kCreateRow, 3);
        hold(KEY_RIGHT, batches - 1, 3);
    }
};

TEST_F(DoughAtTheTable, FourBunBatchesTakeTwoHundredFlourAndLeaveALumpAfterMixing) {
    world().tableStock = {250, 0, 0, 0, 0, 0};
    chooseBuns(4);
    EXPECT_EQ(4, screens().getDoughMenu().batches());
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_MIXING, mode());
    EXPECT_EQ(50, world().tableStock[kFlour]);
    EXPECT_FALSE(visual().getItemWorld()->tableHoldsDough());
    ASSERT_TRUE(finishWork());
    EXPECT_EQ(MODE_WALKING, mode());
    ASSERT_TRUE(visual().getItemWorld()->tableHoldsDough());
    const auto lump = std::static_pointer_cast<VisualItemSingle>(bakery().getField(FIELD_TABLE).firstItem());
    EXPECT_EQ(kBun, lump->getDough().kind);
    EXPECT_EQ(4, lump->getDough().batches);
}

TEST_F(DoughAtTheTable, KneadingTurnsTheLumpIntoATrayOfRawGoods) {
    world().tableStock = {200, 0, 0, 0, 0, 0};
    chooseBuns(4);
    hold(KEY_SPACE);
    ASSERT_TRUE(finishWork());
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_KNEADING, mode());
    play->runFrames(10);
    EXPECT_GT(screens().workProgress(), 0.0f);
    EXPECT_LT(screens().workProgress(), 1.0f);
    ASSERT_TRUE(finishWork());
    const VisualItemPtr onTable = bakery().getField(FIELD_TABLE).firstItem();
    ASSERT_TRUE(onTable);
    ASSERT_EQ(ITEM_TRAY, onTable->getKind());
    const auto& goods = static_cast<const VisualItemMulti&>(*onTable).getGoods();
    ASSERT_EQ(4u, goods.size());
    EXPECT_EQ(kBun, goods.front()->getGood().kind);
    EXPECT_EQ(1, goods.front()->getGood().stage);
    EXPECT_TRUE(sequences->played.empty()) << "a chosen recipe discovers nothing";
}

TEST_F(DoughAtTheTable, AFreeDoughThatMatchesARuleIsRemarkedOnOnlyTheFirstTime) {
    placeHero(kAtTable, FACE_UP);
    for (int time = 0; time < 2; ++time) {
        bakery().remove(bakery().getField(FIELD_TABLE).firstItem());
        Dough free;
        free.perBatch = {250, 0, 0, 0, 0, 0};
        bakery().putDoughOnTable(free);
        hold(KEY_SPACE);
        ASSERT_EQ(MODE_KNEADING, mode());
        ASSERT_TRUE(finishWork());
    }
    EXPECT_EQ(std::vector<std::string>{"discovered 2"}, sequences->played);
    EXPECT_TRUE(gGameData->discovered[kBoule]);
    EXPECT_TRUE(world().goods.isUnlocked(kBoule));
    EXPECT_EQ(FACE_LEFT, visual().getHero()->getFacing());
}

TEST_F(DoughAtTheTable, AFailedFreeDoughStaysUnknownAndCannotGoIntoTheOven) {
    placeHero(kAtTable, FACE_UP);
    Dough free;
    free.perBatch = {10, 0, 0, 0, 0, 0};
    bakery().putDoughOnTable(free);
    hold(KEY_SPACE);
    ASSERT_TRUE(finishWork());
    const auto tray = std::dynamic_pointer_cast<VisualItemMulti>(bakery().getField(FIELD_TABLE).firstItem());
    ASSERT_TRUE(tray);
    EXPECT_FALSE(tray->fitsInOven());
    EXPECT_TRUE(sequences->played.empty());
}

TEST_F(DoughAtTheTable, TheWaitingIconStandsOverTheTableWhereTheCameraShowsIt) {
    placeHero(kAtTable, FACE_UP);
    const irr::core::vector2df at = WaitingIcon::project(irr::core::vector3df(792.5f, 10.f, 615.f), visual().getCamera());
    // The camera looks at the baker from above and behind: the table just above her is near the middle.
    EXPECT_NEAR(320.0f, at.X, 8.0f);
    EXPECT_GT(at.Y, 100.0f);
    EXPECT_LT(at.Y, 180.0f);
    const irr::core::vector2df behind =
        WaitingIcon::project(visual().getCamera()->getPosition() - irr::core::vector3df(0, 0, 50), visual().getCamera());
    EXPECT_EQ(irr::core::vector2df(320.0f, 180.0f), behind);
}

class StoreroomShelf : public ShopPlay {};

TEST_F(StoreroomShelf, TakenFlourGoesIntoTheBakersHandsAndFromThereOntoTheTable) {
    placeHero(kAtShelf, FACE_UP);
    hold(KEY_SPACE);
    ASSERT_EQ(MODE_STORAGE, mode());
    hold(KEY_RIGHT, 2, 3);
    hold(KEY_DOWN, 5, 3);
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(300, world().storeroomStock[kFlour]);
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());

    placeHero(kAtTable, FACE_UP);
    tap(irr::KEY_KEY_C);
    EXPECT_FALSE(visual().getItemWorld()->isCarrying());
    EXPECT_EQ(200, world().tableStock[kFlour]);
}

TEST_F(StoreroomShelf, TakingNothingKeepsTheMenuOpenAndTheHandsEmpty) {
    placeHero(kAtShelf, FACE_UP);
    hold(KEY_SPACE);
    hold(KEY_DOWN, 5, 3);
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_STORAGE, mode());
    EXPECT_FALSE(visual().getItemWorld()->isCarrying());
    hold(KEY_KEY_X);
    EXPECT_EQ(MODE_WALKING, mode());
}

class CounterSales : public ShopPlay {
protected:
    void SetUp() override {
        ShopPlay::SetUp();
        placeHero(kAtCounter, FACE_DOWN);
    }
};

TEST_F(CounterSales, NothingOnDisplayPlaysTheRefusalOnceForAHeldSpace) {
    customerArrives(0, world().minuteOfDay);
    play->press(KEY_SPACE);
    play->runFrames(10);
    play->release(KEY_SPACE);
    play->runFrames(1);
    EXPECT_EQ(std::vector<std::string>{"refused"}, sequences->played);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(1u, visual().getCustomerQueue().size());
}

TEST_F(CounterSales, TypedDigitsSetThePriceUpToTwiceTheReference) {
    trayOnCounter(kBun, 1, 30);
    customerArrives(0, world().minuteOfDay);
    hold(KEY_SPACE);
    ASSERT_EQ(MODE_SELLING, mode());
    tap(irr::KEY_BACK);
    tap(irr::KEY_BACK);
    EXPECT_EQ(0, screens().getSellMenu().askedPrice());
    play->tap(irr::KEY_KEY_1);
    play->tap(irr::KEY_KEY_2);
    play->tap(irr::KEY_KEY_3);
    EXPECT_EQ(123, screens().getSellMenu().askedPrice());
    play->tap(irr::KEY_KEY_4);
    EXPECT_EQ(1234, screens().getSellMenu().askedPrice());
    play->runFrames(1);
    EXPECT_EQ(2 * basePrice(kBun), screens().getSellMenu().askedPrice());
}

TEST_F(CounterSales, TheMerchantStaysForHisFirstBouleAndLeavesAfterTheSecond) {
    for (int sale = 0; sale < 2; ++sale) {
        trayOnCounter(kBoule, 1, 45);
        if (visual().getCustomerQueue().empty())
            customerArrives(Townsfolk::kMerchantIndex, world().minuteOfDay);
        hold(KEY_SPACE);
        ASSERT_EQ(MODE_SELLING, mode());
        hold(KEY_SPACE);
        play->runFrames(2);
        if (sale == 0) {
            EXPECT_EQ(1, world().flagsAndPopularity.flag("MERC_HEUREKA"));
            EXPECT_EQ(1u, visual().getCustomerQueue().size());
        }
    }
    EXPECT_EQ(std::vector<std::string>{"merchant chat"}, sequences->played);
    EXPECT_TRUE(visual().getCustomerQueue().empty());
}

TEST_F(CounterSales, AnImpatientCustomerLeavesAloneNotWithTheNextInTheQueue) {
    customerArrives(0, world().minuteOfDay - 31);
    customerArrives(1, world().minuteOfDay);
    play->runFrames(5);
    EXPECT_EQ(1u, visual().getCustomerQueue().size());
}

class MerchantAndBar : public ShopPlay {
protected:
    // As after the merchant's talk: the menu opens, and a frame passes before the next key.
    void openMerchant() {
        trigger(OpenMerchantMenueEvent());
        ASSERT_EQ(MODE_MERCHANT, mode());
        play->runFrames(1);
    }
    void openBar() {
        trigger(OpenBarMenueEvent());
        ASSERT_EQ(MODE_BAR, mode());
        play->runFrames(1);
    }
};

TEST_F(MerchantAndBar, AnOrderIsPaidAndDeliveredIntoTheStoreroom) {
    openMerchant();
    hold(KEY_SPACE);
    ASSERT_EQ(MerchantMenue::kIngredientsPage, screens().getMerchantMenu().page());
    hold(KEY_RIGHT, 2, 3);
    hold(KEY_DOWN, 4, 3);
    hold(KEY_RIGHT);
    hold(KEY_DOWN);
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(350, world().money);
    EXPECT_EQ(700, world().storeroomStock[kFlour]);
    EXPECT_EQ(1, world().storeroomStock[kEgg]);
    EXPECT_EQ(std::vector<std::string>{"merchant thanks"}, sequences->played);
}

TEST_F(MerchantAndBar, TheLoafPanWaitsForTheMerchantsTrust) {
    world().money = 5000;
    openMerchant();
    hold(KEY_DOWN);
    hold(KEY_SPACE);
    ASSERT_EQ(MerchantMenue::kToolsPage, screens().getMerchantMenu().page());
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_MERCHANT, mode());
    EXPECT_FALSE(world().flagsAndPopularity.isSet("GOT_BREADBOX"));

    world().flagsAndPopularity.setFlag("MERC_SELL_BOX", 1.0f);
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(1, world().flagsAndPopularity.flag("GOT_BREADBOX"));
    EXPECT_EQ(4000, world().money);
    EXPECT_EQ(std::vector<std::string>{"loaf pan thanks"}, sequences->played);
}

TEST_F(MerchantAndBar, TheBarSellsThePipingBagAndClosesWithX) {
    world().money = 2000;
    openBar();
    hold(KEY_KEY_X);
    EXPECT_EQ(MODE_WALKING, mode());

    openBar();
    hold(KEY_DOWN);
    hold(KEY_SPACE);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(1, world().flagsAndPopularity.flag("GOT_FBAG"));
    EXPECT_EQ(500, world().money);
    EXPECT_EQ(std::vector<std::string>{"piping bag thanks"}, sequences->played);
}

TEST_F(MerchantAndBar, ClosingTheMerchantWithSpaceStartsNoNewTalkAtHisStall) {
    const auto actions = std::make_shared<RecordingListener>();
    ASSERT_TRUE(TovarWorks::gDevice->getEventManager()->AddListener(actions, TovarWorks::CallActionEventType));
    placeHero(LumoVisual::kMerchantSpot + irr::core::vector3df(0, 0, -10), FACE_UP);
    openMerchant();
    hold(KEY_SPACE);
    hold(KEY_DOWN, 5, 3);
    hold(KEY_SPACE); // an empty order: nothing to pay, the menu closes
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(500, world().money);
    EXPECT_TRUE(actions->hashes.empty());
    EXPECT_TRUE(sequences->played.empty());
}

// The hint line names what SPACE and C would do, and the keys then do just that.
class KeyHints : public ShopPlay {
protected:
    std::vector<std::string> hintsAt(const irr::core::vector3df& position, int facing = FACE_UP) {
        placeHero(position, facing);
        return visual().keyHints();
    }
    using Hints = std::vector<std::string>;
};

TEST_F(KeyHints, EachSpotNamesTheActionSpaceThenTakes) {
    struct Spot {
        const char* what;
        irr::core::vector3df position;
        const char* hint;
        int mode;
    };
    // Each at the far edge of the floor in front, beyond the old spot's reach.
    const Spot spots[] = {
        {"right half of the storeroom shelf", {882, 0, 678}, "HINT_STOREROOM", MODE_STORAGE},
        {"table, from the oven's side", {806, 0, 629}, "HINT_DOUGH", MODE_DOUGH_MENU},
    };
    for (const Spot& spot : spots) {
        EXPECT_EQ(Hints{spot.hint}, hintsAt(spot.position)) << spot.what;
        hold(KEY_SPACE);
        EXPECT_EQ(spot.mode, mode()) << spot.what;
        hold(KEY_KEY_X);
        ASSERT_EQ(MODE_WALKING, mode()) << spot.what;
    }

    EXPECT_EQ(Hints{"HINT_BED"}, hintsAt({918, 0, 670}));
    hold(KEY_SPACE);
    EXPECT_NE(nullptr, visual().getTextBoxes().getChoice());
    EXPECT_EQ(Hints{}, visual().keyHints()) << "the question is on the screen";
    hold(KEY_KEY_X);

    EXPECT_EQ(Hints{"HINT_CALENDAR"}, hintsAt(LumoVisual::kCalendarSpot));
    hold(KEY_SPACE);
    ASSERT_EQ(MODE_CALENDAR, mode());
    EXPECT_EQ(Hints{"HINT_CLOSE"}, visual().keyHints());
    hold(KEY_KEY_X);

    EXPECT_EQ(Hints{"HINT_TALK"}, hintsAt(LumoVisual::kMerchantSpot + irr::core::vector3df(0, 0, -23)));
}

TEST_F(KeyHints, KneadingServingAndCarryingAreNamedToo) {
    bakery().putDoughOnTable(Dough::fromRecipe(world().goods, kBun, world().goods.entry(kBun).amounts, 1));
    EXPECT_EQ(Hints{"HINT_KNEAD"}, hintsAt({764, 0, 603}));

    // A tray of raw buns on the counter; from its far end she reaches the customer too.
    trayOnCounter(kBun, 2, 0);
    EXPECT_EQ(Hints{"HINT_PICK_TRAY"}, hintsAt({780, 0, 574}, FACE_DOWN));
    customerArrives(0, world().minuteOfDay);
    EXPECT_EQ((Hints{"HINT_SERVE", "HINT_PICK_TRAY"}), hintsAt({768, 0, 575}, FACE_DOWN));

    hold(KEY_KEY_C);
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());
    EXPECT_EQ(Hints{"HINT_PUT_DOWN"}, hintsAt({780, 0, 574}, FACE_DOWN));
    // Anywhere in front of the oven.
    for (const float x : {807.f, 825.f, 843.f})
        EXPECT_EQ(Hints{"HINT_OVEN"}, hintsAt({x, 0, 627})) << x;
    hold(KEY_KEY_C);
    EXPECT_FALSE(visual().getItemWorld()->isCarrying());
    EXPECT_NE(nullptr, bakery().getField(FIELD_OVEN).firstItem());
}

TEST_F(KeyHints, NoneWhereTheKeysDoNothing) {
    const irr::core::vector3df nowhere[] = {{815, 0, 545}, {830, 0, 610}, {870, 0, 610}, {910, 0, 690}, {760, 0, 510}};
    for (const irr::core::vector3df& position : nowhere)
        EXPECT_EQ(Hints{}, hintsAt(position)) << position.X << ", " << position.Z;
}

class PauseMenu : public ShopPlay {
protected:
    // Escape, then "continue" chosen with SPACE held down for a few frames, as players do.
    void pauseAndContinue() {
        hold(irr::KEY_ESCAPE);
        ASSERT_TRUE(play->getLogic().getMenu().isOpen());
        hold(KEY_UP); // "continue" is the top entry
        hold(KEY_SPACE);
        ASSERT_FALSE(play->getLogic().getMenu().isOpen());
        play->runFrames(2);
    }
};

TEST_F(PauseMenu, TheSpaceOfContinueOpensNeitherTheStoreroomNorTheRecipeBook) {
    placeHero(kAtShelf, FACE_UP);
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_EQ(MODE_WALKING, mode()) << "the storeroom menu opened";

    placeHero(kAtTable, FACE_UP);
    hold(KEY_SPACE);
    ASSERT_EQ(MODE_DOUGH_MENU, mode());
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_FALSE(screens().getDoughMenu().bookOpen());
    hold(KEY_SPACE);
    EXPECT_TRUE(screens().getDoughMenu().bookOpen()) << "the next SPACE is the game's again";
}

TEST_F(PauseMenu, TheSpaceOfContinueSellsNothing) {
    placeHero(kAtCounter, FACE_DOWN);
    trayOnCounter(kBun, 1, 30);
    customerArrives(0, world().minuteOfDay);
    hold(KEY_SPACE);
    ASSERT_EQ(MODE_SELLING, mode());
    const int money = world().money;
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_EQ(MODE_SELLING, mode());
    EXPECT_EQ(money, world().money);
    EXPECT_EQ(1u, visual().getCustomerQueue().size());
}
