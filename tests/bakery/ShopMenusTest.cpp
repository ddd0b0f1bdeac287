// The five shop menus driven by the per-frame input record: latches, limits and answers.
#include "BakeryTestWorld.h"

#include "src_lumo/Shop/BarMenue.h"
#include "src_lumo/Shop/DoughMenue.h"
#include "src_lumo/Shop/MerchantMenue.h"
#include "src_lumo/Shop/SellMenue.h"
#include "src_lumo/Shop/StorageMenue.h"

#include <initializer_list>

using namespace Lumo;
using namespace BakeryTest;

namespace {

// Each press is followed by a frame with no keys, releasing the latch.
template <typename Menu>
int32_t press(Menu& menu, const InputRecord& input) {
    const int32_t answer = menu.input(input);
    menu.input(idle());
    return answer;
}

template <typename Menu>
void pressAll(Menu& menu, std::initializer_list<InputRecord> inputs) {
    for (const InputRecord& input : inputs)
        press(menu, input);
}

template <typename Menu>
void pressTimes(Menu& menu, const InputRecord& input, int times) {
    for (int i = 0; i < times; ++i)
        press(menu, input);
}

} // namespace

class DoughMenueTest : public BakeryWorld {
protected:
    // The key that opened the menu is let go before each test.
    DoughMenueTest() : menu(world) {
        menu.open();
        menu.input(idle());
    }

    void chooseFromBook(int column, int row) {
        press(menu, space());
        pressTimes(menu, right(), column);
        pressTimes(menu, down(), row);
        press(menu, space());
    }

    DoughMenue menu;
};

TEST_F(DoughMenueTest, OpensOnTheFreeRecipeWithOneBatch) {
    EXPECT_EQ(menu.recipeId(), kUnknownGood);
    EXPECT_EQ(menu.batches(), 1);
    EXPECT_EQ(menu.cursorRow(), 0);
    EXPECT_FALSE(menu.bookOpen());
}

TEST_F(DoughMenueTest, TheSpaceThatOpenedTheMenuDoesNotOpenTheBook) {
    menu.open();
    menu.input(space());
    EXPECT_FALSE(menu.bookOpen());
    menu.input(idle());
    menu.input(space());
    EXPECT_TRUE(menu.bookOpen());
}

TEST_F(DoughMenueTest, AHeldArrowAddsTenOnceUntilBothArrowsAreReleased) {
    press(menu, down());
    for (int frame = 0; frame < 5; ++frame)
        menu.input(right());
    EXPECT_EQ(menu.perBatch()[kFlour], 10);
    menu.input(keys(0, -1)); // still latched: switching arrows does nothing either
    EXPECT_EQ(menu.cursorRow(), 1);
    menu.input(idle());
    menu.input(right());
    EXPECT_EQ(menu.perBatch()[kFlour], 20);
}

TEST_F(DoughMenueTest, WhileLatchedSpaceAndXAreIgnoredToo) {
    menu.input(idle());
    menu.input(down());
    EXPECT_EQ(menu.input(keys(0, -1, false, true)), 0);
    menu.input(idle());
    EXPECT_EQ(menu.input(xKey()), DoughMenue::kAnswerClose);
}

TEST_F(DoughMenueTest, FreeAmountsStepByTenAndEggsByOneNeverBelowZero) {
    pressAll(menu, {down(), right(), down(), down(), down(), down(), right(), right()});
    EXPECT_EQ(menu.perBatch()[kFlour], 10);
    EXPECT_EQ(menu.perBatch()[kEgg], 2);
    pressTimes(menu, left(), 3);
    EXPECT_EQ(menu.perBatch()[kEgg], 0);
    press(menu, down());
    press(menu, right()); // the "additional" heading
    EXPECT_EQ(menu.perBatch(), (IngredientRow{10, 0, 0, 0, 0, 0}));
}

TEST_F(DoughMenueTest, TheCursorStaysWithinItsEightRows) {
    pressTimes(menu, up(), 2);
    EXPECT_EQ(menu.cursorRow(), 0);
    pressTimes(menu, down(), 12);
    EXPECT_EQ(menu.cursorRow(), DoughMenue::kCreateRow);
}

TEST_F(DoughMenueTest, TheFreeRecipeWithAllAmountsZeroCannotBeMade) {
    world.tableStock = {500, 100, 100, 100, 10, 0};
    pressTimes(menu, down(), 7);
    EXPECT_STREQ(menu.createRefusalId(), "DOUGH_NO_RECIPE");
    EXPECT_EQ(menu.input(space()), 0);
    EXPECT_EQ(world.tableStock, (IngredientRow{500, 100, 100, 100, 10, 0}));
}

TEST_F(DoughMenueTest, CreateNamesTheFirstIngredientTheTableLacks) {
    const char* const reasons[] = {"DOUGH_NO_FLOUR", "DOUGH_NO_BUTTER", "DOUGH_NO_SUGAR", "DOUGH_NO_MILK",
                                   "DOUGH_NO_EGG"};
    // Ten of each and one egg, with one of them missing from the table at a time.
    for (int slot = kFlour; slot <= kEgg; ++slot) {
        press(menu, down());
        press(menu, right());
    }
    for (int slot = kFlour; slot <= kEgg; ++slot) {
        world.tableStock = {10, 10, 10, 10, 1, 0};
        world.tableStock[slot] -= 1;
        EXPECT_STREQ(menu.createRefusalId(), reasons[slot]);
    }
    world.tableStock = {10, 10, 10, 10, 1, 0};
    EXPECT_EQ(menu.createRefusalId(), nullptr);
}

TEST_F(DoughMenueTest, AmountsOnlyAToolWouldBakeAskForTheTool) {
    world.tableStock = {1000, 0, 100, 0, 2, 0};
    press(menu, down());
    pressTimes(menu, right(), 60); // 600 flour: bread, with the loaf pan
    pressTimes(menu, down(), 6);
    EXPECT_STREQ(menu.createRefusalId(), "DOUGH_NO_LOAF_PAN");
    EXPECT_EQ(menu.input(space()), 0);
    menu.input(idle());
    EXPECT_EQ(world.tableStock[kFlour], 1000);
    world.flagsAndPopularity.setFlag("GOT_BREADBOX", 1.0f);
    EXPECT_EQ(menu.createRefusalId(), nullptr);

    // Sugar and an egg: a baiser, with the piping bag.
    menu.open();
    menu.input(idle());
    pressTimes(menu, down(), 3);
    pressTimes(menu, right(), 5);
    pressTimes(menu, down(), 2);
    press(menu, right());
    EXPECT_STREQ(menu.createRefusalId(), "DOUGH_NO_PIPING_BAG");
    world.flagsAndPopularity.setFlag("GOT_FBAG", 1.0f);
    EXPECT_EQ(menu.createRefusalId(), nullptr);
}

TEST_F(DoughMenueTest, FiveHundredFlourMakeABouleWithoutTheLoafPan) {
    world.tableStock = {500, 0, 0, 0, 0, 0};
    press(menu, down());
    pressTimes(menu, right(), 50);
    EXPECT_EQ(menu.createRefusalId(), nullptr);
}

TEST_F(DoughMenueTest, ABunTrayOfFourBatchesNeeds200FlourOnTheTable) {
    chooseFromBook(1, 0);
    EXPECT_EQ(menu.recipeId(), kBun);
    pressTimes(menu, down(), 7);
    pressTimes(menu, right(), 5);
    EXPECT_EQ(menu.batches(), 4);
    EXPECT_EQ(menu.useAmount(kFlour), 200);

    world.tableStock[kFlour] = 199;
    EXPECT_STREQ(menu.createRefusalId(), "DOUGH_NO_FLOUR");
    EXPECT_EQ(menu.input(space()), 0);
    menu.input(idle());
    world.tableStock[kFlour] = 200;
    EXPECT_EQ(menu.input(space()), DoughMenue::kAnswerCreate);
    EXPECT_EQ(world.tableStock[kFlour], 0);
    const Dough dough = menu.madeDough();
    EXPECT_EQ(dough.kind, kBun);
    EXPECT_EQ(dough.batches, 4);
    EXPECT_EQ(dough.weight(), 200);
}

TEST_F(DoughMenueTest, BreadStaysAtOneBatch) {
    world.goods.unlock(kBread);
    chooseFromBook(3, 0);
    ASSERT_EQ(menu.recipeId(), kBread);
    pressTimes(menu, down(), 7);
    pressTimes(menu, right(), 3);
    EXPECT_EQ(menu.batches(), 1);
    pressTimes(menu, left(), 2);
    EXPECT_EQ(menu.batches(), 1);
}

TEST_F(DoughMenueTest, WithAChosenRecipeTheIngredientRowsDoNotChange) {
    chooseFromBook(1, 0);
    pressAll(menu, {down(), right(), right()});
    EXPECT_EQ(menu.perBatch()[kFlour], 50);
}

TEST_F(DoughMenueTest, ALockedSlotKeepsTheBookOpenAndXClosesItKeepingTheRecipe) {
    chooseFromBook(1, 0);
    press(menu, space());
    press(menu, right()); // the boule, still locked
    press(menu, space());
    EXPECT_TRUE(menu.bookOpen());
    EXPECT_EQ(menu.recipeId(), kBun);
    menu.input(xKey());
    EXPECT_FALSE(menu.bookOpen());
    EXPECT_EQ(menu.recipeId(), kBun);
}

TEST_F(DoughMenueTest, TheBookCursorStaysInsideFiveColumnsAndThreeRows) {
    press(menu, space());
    pressTimes(menu, right(), 9);
    pressTimes(menu, down(), 9);
    EXPECT_EQ(menu.bookSlot(), 14);
    pressTimes(menu, up(), 9);
    pressTimes(menu, left(), 9);
    EXPECT_EQ(menu.bookSlot(), 0);
}

TEST_F(DoughMenueTest, RowLabelsAreGameTextIds) {
    EXPECT_STREQ(DoughMenue::rowLabelId(0), "MENU_RECIPE");
    EXPECT_STREQ(DoughMenue::rowLabelId(5), "MENU_EGG");
    EXPECT_STREQ(DoughMenue::rowLabelId(6), "MENU_ADDITIONAL");
    EXPECT_STREQ(DoughMenue::rowLabelId(7), "MENU_CREATE");
}

class StorageMenueTest : public BakeryWorld {
protected:
    StorageMenueTest() : menu(world) { menu.open(); }
    StorageMenue menu;
};

TEST_F(StorageMenueTest, TakingCannotExceedTheStoreroom) {
    pressTimes(menu, right(), 8);
    EXPECT_EQ(menu.takeCounts()[kFlour], 500);
    EXPECT_EQ(menu.leftover(kFlour), 0);
    pressAll(menu, {down(), right()});
    EXPECT_EQ(menu.takeCounts()[kButter], 0);
}

TEST_F(StorageMenueTest, TheBoxTakesOneStepPast5000AndNoMore) {
    world.storeroomStock = {10000, 10000, 0, 0, 0, 0};
    pressTimes(menu, right(), 40);
    press(menu, down());
    pressTimes(menu, right(), 9);
    ASSERT_EQ(ingredientWeight(menu.takeCounts()), 4900);
    press(menu, up());
    press(menu, right());
    EXPECT_EQ(ingredientWeight(menu.takeCounts()), 5000);
    press(menu, right());
    EXPECT_EQ(ingredientWeight(menu.takeCounts()), 5100);
    press(menu, right());
    EXPECT_EQ(ingredientWeight(menu.takeCounts()), 5100);
    press(menu, left());
    EXPECT_EQ(ingredientWeight(menu.takeCounts()), 5000);
}

TEST_F(StorageMenueTest, TakeAnswersOnRowSixAndMovesTheCountsIntoABox) {
    pressTimes(menu, right(), 2);
    pressTimes(menu, down(), 5);
    EXPECT_EQ(press(menu, space()), StorageMenue::kAnswerTake);
    const auto box = menu.takeIngredients();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ((*box)[kFlour], 200);
    EXPECT_EQ(world.storeroomStock[kFlour], 300);
}

TEST_F(StorageMenueTest, AnEmptyTakeMakesNoBox) {
    pressTimes(menu, down(), 5);
    EXPECT_EQ(press(menu, space()), StorageMenue::kAnswerTake);
    EXPECT_FALSE(menu.takeIngredients().has_value());
    EXPECT_EQ(world.storeroomStock[kFlour], 500);
}

TEST_F(StorageMenueTest, XClosesAndOpeningClearsTheCounts) {
    press(menu, right());
    EXPECT_EQ(press(menu, xKey()), StorageMenue::kAnswerClose);
    menu.open();
    EXPECT_EQ(menu.takeCounts()[kFlour], 0);
    EXPECT_EQ(menu.cursorRow(), 1);
}

class MerchantMenueTest : public BakeryWorld {
protected:
    MerchantMenueTest() : menu(world) {
        menu.open();
        menu.input(idle());
    }
    MerchantMenue menu;
};

TEST_F(MerchantMenueTest, AnOrderOf200FlourAndOneEggCosts150AndFillsTheStoreroom) {
    press(menu, space());
    ASSERT_EQ(menu.page(), MerchantMenue::kIngredientsPage);
    pressTimes(menu, right(), 2);
    pressTimes(menu, down(), 4);
    press(menu, right());
    EXPECT_EQ(menu.orderPrice(), 150);
    press(menu, down());
    EXPECT_EQ(press(menu, space()), MerchantMenue::kAnswerBuyIngredients);
    EXPECT_TRUE(menu.buyIngredients(sequences));
    EXPECT_EQ(world.money, 350);
    EXPECT_EQ(world.storeroomStock, (IngredientRow{700, 0, 0, 0, 1, 0}));
    EXPECT_EQ(sequences.played, std::vector<std::string>{"merchant thanks"});
}

TEST_F(MerchantMenueTest, AnOrderAboveTheMoneyChangesNothing) {
    press(menu, space());
    press(menu, down());
    pressTimes(menu, right(), 2); // 500 butter cost 1000
    EXPECT_FALSE(menu.buyIngredients(sequences));
    EXPECT_EQ(world.money, 500);
    EXPECT_EQ(world.storeroomStock, (IngredientRow{500, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(sequences.played.empty());
    EXPECT_EQ(menu.page(), MerchantMenue::kIngredientsPage);
}

TEST_F(MerchantMenueTest, OrderCountsStepByTheMerchantsUnitsNeverBelowZero) {
    press(menu, space());
    press(menu, left());
    EXPECT_EQ(menu.orderCounts()[kFlour], 0);
    pressAll(menu, {down(), right(), down(), right()});
    EXPECT_EQ(menu.orderCounts()[kButter], 250);
    EXPECT_EQ(menu.orderCounts()[kSugar], 10);
}

TEST_F(MerchantMenueTest, TheLoafPanNeedsTheMerchantsTrust) {
    world.money = 5000;
    press(menu, down());
    press(menu, space());
    ASSERT_EQ(menu.page(), MerchantMenue::kToolsPage);
    EXPECT_EQ(press(menu, space()), MerchantMenue::kAnswerBuyTool);
    EXPECT_FALSE(menu.buyTool(sequences));
    EXPECT_EQ(world.money, 5000);

    world.flagsAndPopularity.setFlag("MERC_SELL_BOX", 1.0f);
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(world.money, 4000);
    EXPECT_TRUE(world.flagsAndPopularity.isSet("GOT_BREADBOX"));
    EXPECT_FALSE(menu.buyTool(sequences)); // only once
    EXPECT_EQ(world.money, 4000);
}

TEST_F(MerchantMenueTest, ThePipingBagCosts1500AndNeedsTheMoney) {
    world.money = 1499;
    pressAll(menu, {down(), space(), down()});
    ASSERT_EQ(menu.toolRow(), 2);
    EXPECT_FALSE(menu.buyTool(sequences));
    world.money = 1500;
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(world.money, 0);
    EXPECT_TRUE(world.flagsAndPopularity.isSet("GOT_FBAG"));
    EXPECT_EQ(sequences.played, std::vector<std::string>{"piping bag thanks"});
}

TEST_F(MerchantMenueTest, XClosesFromEveryPage) {
    EXPECT_EQ(press(menu, xKey()), MerchantMenue::kAnswerClose);
    menu.open();
    menu.input(idle());
    press(menu, space());
    ASSERT_EQ(menu.page(), MerchantMenue::kIngredientsPage);
    EXPECT_EQ(press(menu, xKey()), MerchantMenue::kAnswerClose);
}

TEST_F(MerchantMenueTest, TheOpeningSpaceDoesNotChooseATab) {
    menu.open();
    menu.input(space());
    EXPECT_EQ(menu.page(), MerchantMenue::kTabPage);
}

class SellMenueTest : public ::testing::Test {
protected:
    SellMenueTest() {
        BakedGood bun;
        bun.kind = kBun;
        bun.targetMinutes = 30;
        bun.bake(30);
        menu.open({bun, bun});
        menu.input(space()); // the SPACE that served the customer is still held
        menu.input(idle());
    }
    SellMenue menu;
};

TEST_F(SellMenueTest, StartsAtTheReferencePrice) {
    EXPECT_EQ(menu.referencePrice(), 150);
    EXPECT_EQ(menu.askedPrice(), 150);
}

TEST_F(SellMenueTest, TypedOneTwoThreeGives123ThenTheTwiceReferenceLimit) {
    menu.keyReleased(irr::KEY_BACK);
    menu.keyReleased(irr::KEY_BACK);
    menu.keyReleased(irr::KEY_BACK);
    EXPECT_EQ(menu.askedPrice(), 0);
    EXPECT_TRUE(menu.keyReleased(irr::KEY_KEY_1));
    menu.keyReleased(irr::KEY_KEY_2);
    menu.keyReleased(irr::KEY_KEY_3);
    EXPECT_EQ(menu.askedPrice(), 123);
    menu.keyReleased(irr::KEY_KEY_4);
    EXPECT_EQ(menu.askedPrice(), 1234);
    menu.input(idle());
    EXPECT_EQ(menu.askedPrice(), 300);
    EXPECT_FALSE(menu.keyReleased(irr::KEY_KEY_A));
}

TEST_F(SellMenueTest, TypingNeverGoesPast9999) {
    for (int i = 0; i < 6; ++i)
        menu.keyReleased(irr::KEY_KEY_9);
    EXPECT_EQ(menu.askedPrice(), 9999);
}

TEST_F(SellMenueTest, ArrowsActOnANewPressOfTheirAxis) {
    menu.input(left());
    menu.input(left());
    EXPECT_EQ(menu.askedPrice(), 145);
    menu.input(idle());
    menu.input(down());
    EXPECT_EQ(menu.askedPrice(), 45);
    menu.input(idle());
    menu.input(down());
    EXPECT_EQ(menu.askedPrice(), 0);
    menu.input(idle());
    menu.input(up());
    menu.input(idle());
    menu.input(up());
    menu.input(idle());
    menu.input(up());
    EXPECT_EQ(menu.askedPrice(), 300);
}

TEST_F(SellMenueTest, SpaceSellsAtAPriceWithinTheLimit) {
    menu.keyReleased(irr::KEY_KEY_9);
    EXPECT_EQ(menu.input(space()), SellMenue::kAnswerSell);
    EXPECT_EQ(menu.askedPrice(), 300);
}

class BarMenueTest : public BakeryWorld {
protected:
    BarMenueTest() : menu(world) { menu.open(); }
    BarMenue menu;
};

TEST_F(BarMenueTest, SellsTheMerchantsToolsUnderTheSameRules) {
    world.money = 3000;
    menu.input(space());
    EXPECT_EQ(menu.input(idle()), 0);
    EXPECT_EQ(press(menu, space()), BarMenue::kAnswerBuyTool);
    EXPECT_FALSE(menu.buyTool(sequences)); // the loaf pan is not offered yet
    press(menu, down());
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(world.money, 1500);
    pressTimes(menu, down(), 3);
    EXPECT_EQ(menu.cursorRow(), 3);
    EXPECT_FALSE(menu.buyTool(sequences));
    EXPECT_EQ(press(menu, xKey()), BarMenue::kAnswerClose);
}

TEST_F(SellMenueTest, TheFairPriceOfEachGoodStaysBesideTheAskedOne) {
    press(menu, right());
    EXPECT_EQ(menu.askedPrice(), 155);
    EXPECT_EQ(menu.referencePrice(), 150);
    EXPECT_EQ(menu.fairPriceOf(0), 75);
    EXPECT_FALSE(menu.isBurnt(0));

    BakedGood burnt;
    burnt.kind = kBoule;
    burnt.targetMinutes = 45;
    burnt.bake(80);
    BakedGood bun = menu.offeredGoods().front();
    menu.open({burnt, bun});
    EXPECT_TRUE(menu.isBurnt(0));
    EXPECT_EQ(menu.fairPriceOf(0), 0);
    EXPECT_EQ(menu.fairPriceOf(1), 75);
    EXPECT_EQ(menu.referencePrice(), 75);
}
