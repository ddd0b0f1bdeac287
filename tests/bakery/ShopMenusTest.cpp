// The five shop menus driven by the per-frame input record: latches, limits and answers.
#include "BakeryTestWorld.h"

#include "src_lumo/Shop/BarMenue.h"
#include "src_lumo/Shop/DoughMenue.h"
#include "src_lumo/Shop/MerchantMenue.h"
#include "src_lumo/Shop/SellMenue.h"
#include "src_lumo/Shop/StorageMenue.h"

#include <set>

using namespace Lumo;
using namespace BakeryTest;

using Played = std::vector<std::string>;

// Each menu fresh on the starting world, the key that opened it let go.
template <typename Menu>
class MenuTest : public BakeryWorld {
protected:
    MenuTest() : menu(world) { reopen(); }
    void reopen() {
        menu.open();
        menu.input(InputRecord());
    }
    Menu menu;
};
using DoughMenueTest = MenuTest<DoughMenue>;
using StorageMenueTest = MenuTest<StorageMenue>;
using MerchantMenueTest = MenuTest<MerchantMenue>;

TEST_F(DoughMenueTest, TheSpaceThatOpenedTheMenuDoesNotOpenTheBook) {
    menu.open();
    menu.input(keysFor(' '));
    EXPECT_FALSE(menu.bookOpen());
    press(menu, ". ");
    EXPECT_TRUE(menu.bookOpen());
}

TEST_F(DoughMenueTest, AHeldKeyActsOnceAndNoOtherKeyActsUntilAllAreReleased) {
    press(menu, "v");
    for (int frame = 0; frame < 5; ++frame)
        menu.input(keysFor('>'));
    EXPECT_EQ(10, menu.perBatch()[kFlour]);
    menu.input(keysFor('v'));
    EXPECT_EQ(1, menu.cursorRow());
    InputRecord arrowAndX = keysFor('v');
    arrowAndX.keyX = true;
    EXPECT_EQ(0, menu.input(arrowAndX));
    menu.input(InputRecord());
    menu.input(keysFor('>'));
    EXPECT_EQ(20, menu.perBatch()[kFlour]);
    menu.input(InputRecord());
    EXPECT_EQ(DoughMenue::kAnswerClose, menu.input(keysFor('x')));
}

TEST_F(DoughMenueTest, FreeAmountsStepByTenAndEggsByOneNeverBelowZero) {
    press(menu, "v>vvvv>>");
    EXPECT_EQ(10, menu.perBatch()[kFlour]);
    EXPECT_EQ(2, menu.perBatch()[kEgg]);
    press(menu, "<<<v>"); // then on the "additional" heading
    EXPECT_EQ((IngredientRow{10, 0, 0, 0, 0, 0}), menu.perBatch());
}

TEST_F(DoughMenueTest, TheCursorsStayInsideTheBookAndTheEightRows) {
    press(menu, " " + std::string(9, '>') + std::string(9, 'v'));
    EXPECT_EQ(14, menu.bookSlot());
    press(menu, std::string(9, '^') + std::string(9, '<'));
    EXPECT_EQ(0, menu.bookSlot());
    reopen();
    press(menu, "^^");
    EXPECT_EQ(0, menu.cursorRow());
    press(menu, std::string(12, 'v'));
    EXPECT_EQ(DoughMenue::kCreateRow, menu.cursorRow());
}

TEST_F(DoughMenueTest, TheFreeRecipeWithAllAmountsZeroCannotBeMade) {
    const IngredientRow stock = {500, 100, 100, 100, 10, 0};
    world.tableStock = stock;
    press(menu, std::string(7, 'v'));
    EXPECT_STREQ("DOUGH_NO_RECIPE", menu.createRefusalId());
    EXPECT_EQ(0, press(menu, " "));
    EXPECT_EQ(stock, world.tableStock);
}

TEST_F(DoughMenueTest, FreeAmountsThatMakeNoGoodKneadTheUnknownGoodForHalfAnHour) {
    world.tableStock = {500, 100, 100, 100, 10, 0};
    press(menu, "v>" + std::string(6, 'v')); // ten flour, less than a bun
    ASSERT_EQ(DoughMenue::kAnswerCreate, press(menu, " "));
    EXPECT_EQ(kUnknownGood, menu.madeDough().kind);
    EXPECT_EQ(30, menu.madeDough().bakeMinutes);
}

TEST_F(DoughMenueTest, CreateNamesTheFirstIngredientTheTableLacks) {
    const char* const reasons[] = {"DOUGH_NO_FLOUR", "DOUGH_NO_BUTTER", "DOUGH_NO_SUGAR", "DOUGH_NO_MILK",
                                   "DOUGH_NO_EGG"};
    press(menu, "v>v>v>v>v>"); // ten of each and one egg
    for (int slot = kFlour; slot <= kEgg; ++slot) {
        world.tableStock = {10, 10, 10, 10, 1, 0};
        world.tableStock[slot] -= 1;
        EXPECT_STREQ(reasons[slot], menu.createRefusalId());
    }
    world.tableStock = {10, 10, 10, 10, 1, 0};
    EXPECT_EQ(nullptr, menu.createRefusalId());
}

TEST_F(DoughMenueTest, AmountsOnlyAToolWouldBakeAskForTheTool) {
    world.tableStock = {1000, 0, 100, 0, 2, 0};
    press(menu, "v" + std::string(50, '>'));
    EXPECT_EQ(nullptr, menu.createRefusalId()) << "500 flour are a boule, no loaf pan needed";
    press(menu, std::string(10, '>') + std::string(6, 'v')); // 600 flour: bread
    EXPECT_STREQ("DOUGH_NO_LOAF_PAN", menu.createRefusalId());
    EXPECT_EQ(0, press(menu, " "));
    EXPECT_EQ(1000, world.tableStock[kFlour]);
    world.flagsAndPopularity.setFlag("GOT_BREADBOX", 1.0f);
    EXPECT_EQ(nullptr, menu.createRefusalId());

    reopen();
    press(menu, "vvv>>>>>vv>"); // sugar and an egg: a baiser
    EXPECT_STREQ("DOUGH_NO_PIPING_BAG", menu.createRefusalId());
    world.flagsAndPopularity.setFlag("GOT_FBAG", 1.0f);
    EXPECT_EQ(nullptr, menu.createRefusalId());
}

TEST_F(DoughMenueTest, ABunTrayOfFourBatchesNeeds200FlourOnTheTable) {
    press(menu, " > "); // the bun from the book
    EXPECT_EQ(kBun, menu.recipeId());
    press(menu, "v>>");
    EXPECT_EQ(50, menu.perBatch()[kFlour]) << "a chosen recipe's amounts are its own";
    EXPECT_EQ(1, menu.batches()) << "the batches change on their own row only";
    press(menu, std::string(6, 'v') + ">>>>>");
    EXPECT_EQ(4, menu.batches());
    EXPECT_EQ(200, menu.useAmount(kFlour));

    world.tableStock[kFlour] = 199;
    EXPECT_STREQ("DOUGH_NO_FLOUR", menu.createRefusalId());
    EXPECT_EQ(0, press(menu, " "));
    world.tableStock[kFlour] = 200;
    EXPECT_EQ(DoughMenue::kAnswerCreate, press(menu, " "));
    EXPECT_EQ(0, world.tableStock[kFlour]);
    const Dough dough = menu.madeDough();
    EXPECT_EQ(kBun, dough.kind);
    EXPECT_EQ(4, dough.batches);
    EXPECT_EQ(200, dough.weight());
}

TEST_F(DoughMenueTest, EveryBookRecipeKneadsItsAmountsUpToItsBatchesForItsBakingTime) {
    const struct {
        int32_t kind;
        IngredientRow perBatch;
        int32_t maxBatches;
        int32_t bakeMinutes;
    } recipes[] = {
        {kBun, {50, 0, 0, 0, 0, 0}, 4, 30},      {kBoule, {250, 0, 0, 0, 0, 0}, 2, 45},
        {kBread, {500, 0, 0, 0, 0, 0}, 1, 60},   {kCrossaint, {30, 30, 0, 30, 0, 0}, 4, 20},
        {kBaguette, {200, 0, 0, 0, 0, 0}, 2, 40}, {kBaiser, {0, 0, 50, 0, 0, 0}, 4, 10},
        {kDonut, {100, 50, 50, 0, 0, 0}, 4, 20},
    };
    ASSERT_EQ(kUnknownGood, menu.recipeId());
    EXPECT_EQ(1, menu.recipe().maxBatches) << "the free recipe's menu says one batch at most";
    world.flagsAndPopularity.setFlag("GOT_BREADBOX", 1.0f);
    world.flagsAndPopularity.setFlag("GOT_FBAG", 1.0f);
    for (const auto& recipe : recipes) {
        world.goods.unlock(recipe.kind);
        world.tableStock = {5000, 5000, 5000, 5000, 50, 0};
        reopen();
        press(menu, " " + std::string(size_t(recipe.kind % DoughMenue::kBookColumns), '>') +
                        std::string(size_t(recipe.kind / DoughMenue::kBookColumns), 'v') + " ");
        ASSERT_EQ(recipe.kind, menu.recipeId());
        EXPECT_EQ(recipe.perBatch, menu.perBatch()) << recipe.kind;
        press(menu, std::string(7, 'v') + "<<");
        EXPECT_EQ(1, menu.batches()) << recipe.kind;
        press(menu, ">>>>>");
        EXPECT_EQ(recipe.maxBatches, menu.batches()) << recipe.kind;
        ASSERT_EQ(DoughMenue::kAnswerCreate, press(menu, " ")) << recipe.kind;
        EXPECT_EQ(recipe.kind, menu.madeDough().kind);
        EXPECT_EQ(recipe.bakeMinutes, menu.madeDough().bakeMinutes) << recipe.kind;
    }
}

TEST_F(DoughMenueTest, ALockedSlotKeepsTheBookOpenAndXClosesItKeepingTheRecipe) {
    press(menu, " > "); // the bun from the book
    press(menu, " > "); // the boule, still locked
    EXPECT_TRUE(menu.bookOpen());
    EXPECT_EQ(kBun, menu.recipeId());
    menu.input(keysFor('x'));
    EXPECT_FALSE(menu.bookOpen());
    EXPECT_EQ(kBun, menu.recipeId());
}

TEST_F(StorageMenueTest, TakingStaysBetweenNothingAndTheStoreroom) {
    press(menu, std::string(8, '>'));
    EXPECT_EQ(500, menu.takeCounts()[kFlour]);
    EXPECT_EQ(0, menu.leftover(kFlour));
    press(menu, std::string(8, '<'));
    EXPECT_EQ(0, menu.takeCounts()[kFlour]);
    press(menu, "v>");
    EXPECT_EQ(0, menu.takeCounts()[kButter]);
    // The take row below the eggs has no amount, whatever the storeroom holds.
    world.storeroomStock[kSpareSlot] = 500;
    press(menu, "vvvvv>");
    ASSERT_EQ(StorageMenue::kTakeRow, menu.cursorRow());
    EXPECT_EQ(IngredientRow{}, menu.takeCounts());
    world.storeroomStock[kEgg] = 3;
    press(menu, "^>>");
    EXPECT_EQ(2, menu.takeCounts()[kEgg]) << "eggs are taken one at a time";
}

TEST_F(StorageMenueTest, AnyBoxButAnEmptyOneIsTakenEvenOfOneGram) {
    EXPECT_FALSE(menu.takeIngredients());
    world.storeroomStock = {0, 1, 0, 0, 0, 0}; // a save may hold less than a step
    press(menu, "v>");
    const std::optional<IngredientRow> box = menu.takeIngredients();
    ASSERT_TRUE(box);
    EXPECT_EQ((IngredientRow{0, 1, 0, 0, 0, 0}), *box);
    EXPECT_EQ(IngredientRow{}, world.storeroomStock);
}

TEST_F(StorageMenueTest, TheBoxTakesOneStepPast5000AndNoMore) {
    world.storeroomStock = {10000, 10000, 0, 0, 0, 0};
    const auto boxWeightAfter = [this](const std::string& keys) {
        press(menu, keys);
        return ingredientWeight(menu.takeCounts());
    };
    ASSERT_EQ(4900, boxWeightAfter(std::string(40, '>') + "v" + std::string(9, '>')));
    EXPECT_EQ(5000, boxWeightAfter("^>"));
    EXPECT_EQ(5100, boxWeightAfter(">"));
    EXPECT_EQ(5100, boxWeightAfter(">"));
    EXPECT_EQ(5000, boxWeightAfter("<"));
}

TEST_F(StorageMenueTest, XClosesAndOpeningClearsTheCounts) {
    press(menu, ">v");
    EXPECT_EQ(StorageMenue::kAnswerClose, press(menu, "x"));
    menu.open();
    EXPECT_EQ(0, menu.takeCounts()[kFlour]);
    EXPECT_EQ(1, menu.cursorRow());
}

// A row without its name shows an empty line the player cannot read.
TEST(IngredientRows, EachIsNamedByItsOwnTextTheSameInTheStoreroomAndTheDoughMenu) {
    std::set<std::string> names;
    for (int row = StorageMenue::kFirstRow; row <= StorageMenue::kEggRow; ++row) {
        SCOPED_TRACE(row);
        const std::string name = StorageMenue::rowLabelId(row);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name, DoughMenue::rowLabelId(row));
        names.insert(name);
    }
    EXPECT_EQ(size_t(StorageMenue::kEggRow - StorageMenue::kFirstRow + 1), names.size());
}

TEST_F(MerchantMenueTest, AnOrderOf200FlourAndOneEggCosts150AndFillsTheStoreroom) {
    press(menu, " ");
    ASSERT_EQ(MerchantMenue::kIngredientsPage, menu.page());
    press(menu, ">>vvvv>");
    EXPECT_EQ(150, menu.orderPrice());
    EXPECT_EQ(MerchantMenue::kAnswerBuyIngredients, press(menu, "v "));
    EXPECT_TRUE(menu.buyIngredients(sequences));
    EXPECT_EQ(350, world.money);
    EXPECT_EQ((IngredientRow{700, 0, 0, 0, 1, 0}), world.storeroomStock);
    EXPECT_EQ(Played{"merchant thanks"}, sequences.played);
}

TEST_F(MerchantMenueTest, OrdersStepByTheMerchantsUnitsAndOneAboveTheMoneyChangesNothing) {
    press(menu, " <");
    EXPECT_EQ(0, menu.orderCounts()[kFlour]);
    press(menu, "v>>v>");
    EXPECT_EQ(500, menu.orderCounts()[kButter]);
    EXPECT_EQ(10, menu.orderCounts()[kSugar]);
    EXPECT_FALSE(menu.buyIngredients(sequences));
    EXPECT_EQ(500, world.money);
    EXPECT_EQ((IngredientRow{500, 0, 0, 0, 0, 0}), world.storeroomStock);
    EXPECT_TRUE(sequences.played.empty());
    EXPECT_EQ(MerchantMenue::kIngredientsPage, menu.page());
}

TEST_F(MerchantMenueTest, TheLoafPanNeedsTheMerchantsTrustAndIsSoldOnce) {
    world.money = 5000;
    press(menu, "v");
    EXPECT_EQ(1, menu.tab()) << "the cursor shows the tools tab";
    press(menu, "^");
    EXPECT_EQ(0, menu.tab());
    press(menu, "v ");
    ASSERT_EQ(MerchantMenue::kToolsPage, menu.page());
    EXPECT_EQ(MerchantMenue::kAnswerBuyTool, press(menu, " "));
    EXPECT_FALSE(menu.buyTool(sequences));
    EXPECT_EQ(5000, world.money);
    world.flagsAndPopularity.setFlag("MERC_SELL_BOX", 1.0f);
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(4000, world.money);
    EXPECT_TRUE(world.flagsAndPopularity.isSet("GOT_BREADBOX"));
    EXPECT_EQ(Played{"loaf pan thanks"}, sequences.played);
    EXPECT_FALSE(menu.buyTool(sequences));
    EXPECT_EQ(4000, world.money);
}

TEST_F(MerchantMenueTest, ThePipingBagCosts1500AndNeedsTheMoney) {
    world.money = 1499;
    press(menu, "v v");
    ASSERT_EQ(2, menu.toolRow());
    EXPECT_FALSE(menu.buyTool(sequences));
    world.money = 1500;
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(0, world.money);
    EXPECT_TRUE(world.flagsAndPopularity.isSet("GOT_FBAG"));
    EXPECT_EQ(Played{"piping bag thanks"}, sequences.played);
}

TEST_F(MerchantMenueTest, TheOpeningSpaceChoosesNoTabAndXClosesFromEveryPage) {
    menu.open();
    menu.input(keysFor(' '));
    EXPECT_EQ(MerchantMenue::kTabPage, menu.page());
    EXPECT_EQ(MerchantMenue::kAnswerClose, press(menu, ".x"));
    reopen();
    press(menu, " ");
    ASSERT_EQ(MerchantMenue::kIngredientsPage, menu.page());
    EXPECT_EQ(MerchantMenue::kAnswerClose, press(menu, "x"));
}

TEST_F(BakeryWorld, TheBarSellsTheMerchantsToolsUnderTheSameRules) {
    world.money = 3000;
    BarMenue menu(world);
    menu.open();
    EXPECT_EQ(0, menu.input(keysFor(' '))) << "the SPACE that opened the menu buys nothing";
    menu.input(InputRecord());
    EXPECT_EQ(BarMenue::kAnswerBuyTool, press(menu, " "));
    EXPECT_FALSE(menu.buyTool(sequences)); // the loaf pan is not offered yet
    press(menu, "v");
    EXPECT_TRUE(menu.buyTool(sequences));
    EXPECT_EQ(1500, world.money);
    press(menu, "vvv");
    EXPECT_EQ(3, menu.cursorRow());
    EXPECT_FALSE(menu.buyTool(sequences));
    press(menu, "^^^^");
    EXPECT_EQ(1, menu.cursorRow()) << "back up to the loaf pan, and no further";
    EXPECT_EQ(BarMenue::kAnswerClose, press(menu, "x"));
}

class SellMenueTest : public ::testing::Test {
protected:
    // Two buns; the SPACE that served the customer is still held when the menu opens.
    SellMenueTest() {
        menu.open({baked(kBun, 30, 30), baked(kBun, 30, 30)});
        menu.input(keysFor(' '));
        menu.input(InputRecord());
    }
    void type(std::initializer_list<irr::EKEY_CODE> keys) {
        for (const irr::EKEY_CODE key : keys)
            EXPECT_TRUE(menu.keyReleased(key));
    }
    SellMenue menu;
};

TEST_F(SellMenueTest, TypedDigitsStandUntilTheNextFrameCapsThemAtTwiceTheReference) {
    EXPECT_EQ(150, menu.askedPrice());
    type({irr::KEY_BACK});
    EXPECT_EQ(15, menu.askedPrice()) << "a backspace takes the last digit";
    type({irr::KEY_BACK, irr::KEY_BACK});
    EXPECT_EQ(0, menu.askedPrice());
    type({irr::KEY_KEY_1, irr::KEY_KEY_2, irr::KEY_KEY_3});
    EXPECT_EQ(123, menu.askedPrice());
    type({irr::KEY_KEY_4});
    EXPECT_EQ(1234, menu.askedPrice());
    menu.input(InputRecord());
    EXPECT_EQ(300, menu.askedPrice());
    EXPECT_FALSE(menu.keyReleased(irr::KEY_KEY_A));
    type({irr::KEY_KEY_9, irr::KEY_KEY_9, irr::KEY_KEY_9});
    EXPECT_EQ(9999, menu.askedPrice());
    EXPECT_EQ(SellMenue::kAnswerSell, menu.input(keysFor(' ')));
    EXPECT_EQ(300, menu.askedPrice());
}

TEST_F(SellMenueTest, ArrowsActOnANewPressOfTheirAxis) {
    menu.input(keysFor('<'));
    menu.input(keysFor('<'));
    EXPECT_EQ(145, menu.askedPrice());
    press(menu, ".v");
    EXPECT_EQ(45, menu.askedPrice());
    press(menu, "v");
    EXPECT_EQ(0, menu.askedPrice());
    press(menu, "^^^");
    EXPECT_EQ(300, menu.askedPrice());
}

TEST_F(SellMenueTest, TheFairPriceOfEachGoodStaysBesideTheAskedOne) {
    press(menu, ">");
    EXPECT_EQ(155, menu.askedPrice());
    EXPECT_EQ(150, menu.referencePrice());
    EXPECT_EQ(75, menu.fairPriceOf(0));
    EXPECT_FALSE(menu.isBurnt(0));

    menu.open({baked(kBoule, 45, 80), baked(kBun, 30, 30)});
    EXPECT_TRUE(menu.isBurnt(0));
    EXPECT_EQ(0, menu.fairPriceOf(0));
    EXPECT_EQ(75, menu.fairPriceOf(1));
    EXPECT_EQ(75, menu.referencePrice());
}
