// The shop wired into the running game: the baker's keys open the menus, the menus' answers move
// money, items and customers, and the story moments play through one place.
#include "GamePlayFixture.h"
#include "RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Customers/Townsfolk.h"
#include "src_lumo/Events/OpenBarMenueEvent.h"
#include "src_lumo/Events/OpenMerchantMenueEvent.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/ShopView/WaitingIcon.h"
#include "src_lumo/Sprites/CharNode.h"

using namespace Lumo;
using irr::core::vector3df;
using Strings = std::vector<std::string>;

// A new game past its intro, the shop's story moments noted instead of played.
class ShopPlay : public GamePlayFixture {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
        recordShopSequences();
    }
    bool carrying() { return visual().getItemWorld()->isCarrying(); }
    const Strings& played() const { return sequences->played; }
    size_t queued() { return visual().getCustomerQueue().size(); }
};

TEST_F(ShopPlay, KneadingWithAChosenRecipeOrAFailedOneDiscoversNothing) {
    placeHero(kAtTable, FACE_UP);
    for (const Dough& lump : {Dough::fromRecipe(world().goods, kBun, world().goods.entry(kBun).amounts, 4),
                              Dough::fromRecipe(world().goods, kUnknownGood, {10, 0, 0, 0, 0, 0}, 2)}) {
        bakery().remove(bakery().getField(FIELD_TABLE).firstItem());
        bakery().putDoughOnTable(lump);
        hold(irr::KEY_SPACE);
        ASSERT_EQ(MODE_KNEADING, mode());
        play->runFrames(10);
        EXPECT_GT(screens().workProgress(), 0.0f);
        EXPECT_LT(screens().workProgress(), 1.0f);
        ASSERT_TRUE(finishWork());
        const auto tray = std::dynamic_pointer_cast<VisualItemMulti>(bakery().getField(FIELD_TABLE).firstItem());
        ASSERT_TRUE(tray);
        ASSERT_EQ(size_t(lump.batches), tray->getGoods().size());
        EXPECT_EQ(lump.kind, tray->getGoods().front()->getGood().kind);
        EXPECT_EQ(1, tray->getGoods().front()->getGood().stage);
    }
    EXPECT_TRUE(played().empty());
}

TEST_F(ShopPlay, TheWaitingIconStandsOverTheTableWhereTheCameraShowsIt) {
    placeHero(kAtTable, FACE_UP);
    irr::scene::ICameraSceneNode* camera = visual().getCamera();
    const irr::core::vector2df at = WaitingIcon::project(vector3df(792.5f, 10.f, 615.f), camera);
    // The camera looks at the baker from above and behind: the table just above her is near the middle.
    EXPECT_NEAR(320.0f, at.X, 8.0f);
    EXPECT_GT(at.Y, 100.0f);
    EXPECT_LT(at.Y, 180.0f);
    EXPECT_EQ(irr::core::vector2df(320.0f, 180.0f), WaitingIcon::project(camera->getPosition() - vector3df(0, 0, 50), camera));
}

TEST_F(ShopPlay, TakingNothingFromTheStoreroomKeepsTheMenuOpenAndTheHandsEmpty) {
    placeHero(kAtShelf, FACE_UP);
    hold(irr::KEY_SPACE);
    hold(irr::KEY_DOWN, 5, 3);
    hold(irr::KEY_SPACE);
    EXPECT_EQ(MODE_STORAGE, mode());
    EXPECT_FALSE(carrying());
    EXPECT_EQ(500, world().storeroomStock[kFlour]);
    hold(irr::KEY_KEY_X);
    EXPECT_EQ(MODE_WALKING, mode());
}

class CounterSales : public ShopPlay {
protected:
    void SetUp() override {
        ShopPlay::SetUp();
        placeHero(kAtCounter, FACE_DOWN);
    }
};

TEST_F(CounterSales, TypedDigitsReachTheSellMenu) {
    trayOnCounter(kBun, 1, 30);
    customerArrives(0, world().minuteOfDay);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_SELLING, mode());
    for (const irr::EKEY_CODE key : {irr::KEY_BACK, irr::KEY_BACK, irr::KEY_KEY_1, irr::KEY_KEY_2, irr::KEY_KEY_3})
        play->tap(key);
    EXPECT_EQ(123, screens().getSellMenu().askedPrice()); // the cap is the sell menu's own test's
}

TEST_F(CounterSales, TheMerchantStaysForHisFirstBouleAndLeavesAfterTheSecond) {
    customerArrives(Townsfolk::kMerchantIndex, world().minuteOfDay);
    for (const size_t staying : {1u, 0u}) {
        trayOnCounter(kBoule, 1, 45);
        hold(irr::KEY_SPACE);
        ASSERT_EQ(MODE_SELLING, mode());
        hold(irr::KEY_SPACE);
        play->runFrames(2);
        EXPECT_EQ(staying, queued());
    }
    EXPECT_EQ(Strings{"merchant chat"}, played());
}

TEST_F(ShopPlay, AFailedPurchaseKeepsTheMenuOpenXClosesItAndABoughtToolClosesIt) {
    world().money = 2000;
    trigger(OpenMerchantMenueEvent());
    play->runFrames(1);
    hold(irr::KEY_DOWN);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MerchantMenue::kToolsPage, screens().getMerchantMenu().page());
    hold(irr::KEY_SPACE); // the loaf pan, before the merchant trusts her
    EXPECT_EQ(MODE_MERCHANT, mode());
    hold(irr::KEY_KEY_X);
    EXPECT_EQ(MODE_WALKING, mode());

    trigger(OpenBarMenueEvent());
    ASSERT_EQ(MODE_BAR, mode());
    play->runFrames(1);
    hold(irr::KEY_DOWN);
    hold(irr::KEY_SPACE);
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(1, world().flagsAndPopularity.flag("GOT_FBAG"));
}

TEST_F(ShopPlay, ClosingTheMerchantWithSpaceStartsNoNewTalkAtHisStall) {
    const auto actions = std::make_shared<RecordingListener>();
    ASSERT_TRUE(TovarWorks::gDevice->getEventManager()->AddListener(actions, TovarWorks::CallActionEventType));
    placeHero(LumoVisual::kMerchantSpot + vector3df(0, 0, -10), FACE_UP);
    trigger(OpenMerchantMenueEvent());
    play->runFrames(1);
    hold(irr::KEY_SPACE);
    hold(irr::KEY_DOWN, 5, 3);
    hold(irr::KEY_SPACE); // an empty order: nothing to pay, the menu closes
    EXPECT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(500, world().money);
    EXPECT_TRUE(actions->hashes.empty());
    EXPECT_TRUE(played().empty());
}

// The hint line names what SPACE and C would do, and the keys then do just that.
class KeyHints : public ShopPlay {
protected:
    Strings hintsAt(const vector3df& position, int facing = FACE_UP) {
        placeHero(position, facing);
        return visual().keyHints();
    }
};

TEST_F(KeyHints, EachSpotNamesTheActionSpaceThenTakes) {
    // Each at the far edge of the floor in front of it.
    const struct {
        vector3df position;
        const char* hint;
        int mode;
    } spots[] = {{{882, 0, 678}, "HINT_STOREROOM", MODE_STORAGE},
                 {{806, 0, 629}, "HINT_DOUGH", MODE_DOUGH_MENU},
                 {LumoVisual::kCalendarSpot, "HINT_CALENDAR", MODE_CALENDAR}};
    for (const auto& spot : spots) {
        EXPECT_EQ(Strings{spot.hint}, hintsAt(spot.position)) << spot.hint;
        hold(irr::KEY_SPACE);
        EXPECT_EQ(spot.mode, mode()) << spot.hint;
        if (spot.mode == MODE_CALENDAR)
            EXPECT_EQ(Strings{"HINT_CLOSE"}, visual().keyHints());
        hold(irr::KEY_KEY_X);
        ASSERT_EQ(MODE_WALKING, mode()) << spot.hint;
    }
    EXPECT_EQ(Strings{"HINT_BED"}, hintsAt({918, 0, 670}));
    hold(irr::KEY_SPACE);
    EXPECT_NE(nullptr, visual().getTextBoxes().getChoice());
    EXPECT_EQ(Strings{}, visual().keyHints()) << "the question is on the screen";
    hold(irr::KEY_KEY_X);
    EXPECT_EQ(Strings{"HINT_TALK"}, hintsAt(LumoVisual::kMerchantSpot + vector3df(0, 0, -23)));
}

TEST_F(KeyHints, KneadingServingAndCarryingAreNamedTooAndNoneWhereTheKeysDoNothing) {
    for (const vector3df& nowhere : {vector3df(815, 0, 545), vector3df(830, 0, 610), vector3df(870, 0, 610),
                                     vector3df(910, 0, 690), vector3df(760, 0, 510)})
        EXPECT_EQ(Strings{}, hintsAt(nowhere)) << nowhere.X << ", " << nowhere.Z;
    bakery().putDoughOnTable(Dough::fromRecipe(world().goods, kBun, world().goods.entry(kBun).amounts, 1));
    EXPECT_EQ(Strings{"HINT_KNEAD"}, hintsAt({764, 0, 603}));

    // A tray of raw buns on the counter; from its far end she reaches the customer too.
    trayOnCounter(kBun, 2, 0);
    EXPECT_EQ(Strings{"HINT_PICK_TRAY"}, hintsAt({780, 0, 574}, FACE_DOWN));
    customerArrives(0, world().minuteOfDay);
    EXPECT_EQ((Strings{"HINT_SERVE", "HINT_PICK_TRAY"}), hintsAt({768, 0, 575}, FACE_DOWN));
    hold(irr::KEY_KEY_C);
    ASSERT_TRUE(carrying());
    EXPECT_EQ(Strings{"HINT_PUT_DOWN"}, hintsAt({780, 0, 574}, FACE_DOWN));
    for (const float x : {807.f, 825.f, 843.f}) // anywhere in front of the oven
        EXPECT_EQ(Strings{"HINT_OVEN"}, hintsAt({x, 0, 627})) << x;
    hold(irr::KEY_KEY_C);
    EXPECT_FALSE(carrying());
    EXPECT_NE(nullptr, bakery().getField(FIELD_OVEN).firstItem());
}

TEST_F(KeyHints, ABoxIsUnpackedOnlyAtTheTableDoughIsPickedUpAndTheBinTakesAnything) {
    bakery().addIngredientBox({100, 0, 0, 0, 0, 0}, kAtCounter);
    EXPECT_EQ(Strings{"HINT_PICK_BOX"}, hintsAt(kAtCounter, FACE_DOWN));
    hold(irr::KEY_KEY_C);
    ASSERT_TRUE(carrying());
    EXPECT_EQ(Strings{"HINT_PUT_DOWN"}, hintsAt({780, 0, 574}, FACE_DOWN));
    EXPECT_EQ(Strings{"HINT_UNPACK"}, hintsAt(kAtTable, FACE_UP));
    EXPECT_EQ(Strings{"HINT_BIN"}, hintsAt({780, 0, 628}, FACE_UP));
    hold(irr::KEY_KEY_C);
    ASSERT_FALSE(carrying());

    bakery().putDoughOnTable(Dough::fromRecipe(world().goods, kBun, world().goods.entry(kBun).amounts, 1));
    EXPECT_EQ((Strings{"HINT_KNEAD", "HINT_PICK_DOUGH"}), hintsAt(kAtTable, FACE_UP));
}

class PauseMenu : public ShopPlay {
protected:
    // Escape, then "continue" chosen with SPACE held down for a few frames, as players do.
    void pauseAndContinue() {
        hold(irr::KEY_ESCAPE);
        ASSERT_TRUE(logic().getMenu().isOpen());
        hold(irr::KEY_UP); // "continue" is the top entry
        hold(irr::KEY_SPACE);
        ASSERT_FALSE(logic().getMenu().isOpen());
        play->runFrames(2);
    }
};

TEST_F(PauseMenu, TheSpaceOfContinueOpensNoStoreroomNorRecipeBookAndSellsNothing) {
    placeHero(kAtShelf, FACE_UP);
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_EQ(MODE_WALKING, mode()) << "the storeroom menu opened";
    placeHero(kAtTable, FACE_UP);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_DOUGH_MENU, mode());
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_FALSE(screens().getDoughMenu().bookOpen());
    hold(irr::KEY_SPACE);
    EXPECT_TRUE(screens().getDoughMenu().bookOpen()) << "the next SPACE is the game's again";
    hold(irr::KEY_KEY_X, 2, 3); // the book, then the menu

    placeHero(kAtCounter, FACE_DOWN);
    trayOnCounter(kBun, 1, 30);
    customerArrives(0, world().minuteOfDay);
    hold(irr::KEY_SPACE);
    ASSERT_EQ(MODE_SELLING, mode());
    ASSERT_NO_FATAL_FAILURE(pauseAndContinue());
    EXPECT_EQ(MODE_SELLING, mode());
    EXPECT_EQ(500, world().money);
    EXPECT_EQ(1u, queued());
}
