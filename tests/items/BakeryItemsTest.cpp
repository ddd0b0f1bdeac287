// The bakery's things: trays from the table, what the baker carries and where it lands, the goods
// on display, and the night that clears the day away.
#include "ItemsFixture.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Items/ItemDropField.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class BakeryItemsTest : public ItemsFixture {
protected:
    size_t countKind(ItemKind kind) {
        return std::count_if(bakery().getItems().begin(), bakery().getItems().end(),
                             [kind](const VisualItemPtr& item) { return item->getKind() == kind; });
    }
};

TEST_F(BakeryItemsTest, KneadedGoodsLieRawOnATrayOnTheTableAndTheNextTrayOnTheCounter) {
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(kBun, 4));
    ASSERT_EQ(4u, tray->getGoods().size());
    EXPECT_EQ(tray, bakery().getField(FIELD_TABLE).firstItem());
    for (const VisualItemSinglePtr& good : tray->getGoods()) {
        EXPECT_EQ(tray->getNode(), good->getNode()->getParent());
        EXPECT_EQ(L"item_bun_1", frameOf(*good));
    }
    tray->addGood(tray->getGoods().front());
    tray->addGood(nullptr);
    EXPECT_EQ(4u, tray->getGoods().size()) << "a good lies on its tray once";
    const VisualItemMultiPtr failed = bakery().putGoodsOnNewTray(rawTray(kUnknownGood, 1));
    EXPECT_EQ(failed, bakery().getField(FIELD_COUNTER_LEFT).firstItem());
    EXPECT_EQ(L"item_unknown", frameOf(*failed->getGoods().front()));
}

TEST_F(BakeryItemsTest, ATrayOrALumpOfDoughIsKeptInReachEvenWhenEverySpotIsTaken) {
    for (ShopField field : {FIELD_TABLE, FIELD_COUNTER_LEFT, FIELD_COUNTER_RIGHT, FIELD_SHELF_1, FIELD_SHELF_2, FIELD_SHELF_3})
        while (bakery().place(bakery().addLetter({}), field)) {
        }
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(kBoule, 1));
    EXPECT_EQ(1u, count(tray));
    EXPECT_TRUE(bakery().pickUp(kAtTable));
    EXPECT_EQ(tray, bakery().getCarried());

    Dough dough;
    dough.perBatch = {50, 0, 0, 0, 0, 0};
    const VisualItemSinglePtr lump = bakery().putDoughOnTable(dough);
    EXPECT_EQ(1u, count(lump));
    EXPECT_EQ(bakery().getField(FIELD_TABLE).getPoints().front().position, lump->getPosition());
}

TEST_F(BakeryItemsTest, OnlyReadyGoodsOnDisplayAreOfferedAndASoldGoodLeavesItsTray) {
    Tray mixed = rawTray(kBaiser, 2);
    mixed.goods[0].bake(bakeMinutesOf(kBaiser));
    const VisualItemMultiPtr baked = bakery().putGoodsOnNewTray(mixed);
    bakery().place(baked, FIELD_SHELF_3);
    bakery().place(bakery().putGoodsOnNewTray(rawTray(kBun, 2)), FIELD_SHELF_1);
    mixed.goods.resize(1);
    const VisualItemMultiPtr inTheKitchen = bakery().putGoodsOnNewTray(mixed);
    ASSERT_EQ(inTheKitchen, bakery().getField(FIELD_TABLE).firstItem());

    const std::vector<VisualItemSinglePtr> offered = bakery().readyGoodsOnDisplay();
    ASSERT_EQ(1u, offered.size());
    EXPECT_EQ(baked->getGoods()[0], offered.front());
    EXPECT_EQ(L"item_baiser_2", frameOf(*offered.front()));
    EXPECT_TRUE(bakery().takeGood(offered.front()));
    EXPECT_EQ(1u, baked->getGoods().size());
    EXPECT_FALSE(baked->holds(offered.front()));
    EXPECT_FALSE(bakery().takeGood(offered.front()));
}

TEST_F(BakeryItemsTest, TheNightClearsGoodsTraysDoughLetterAndHandsButKeepsBoxes) {
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(kBun, 2));
    bakery().add(bakery().getFactory().dough(L"item_dough_3", vector3df(700.f, 10.f, 500.f)));
    bakery().addLetter(vector3df(850.f, 0.f, 600.f));
    const VisualItemBoxPtr box = bakery().addIngredientBox({500, 0, 0, 0, 0, 0}, vector3df(870.f, 0.f, 680.f));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    ASSERT_EQ(DropResult::PLACED, bakery().drop(kAtOven, FACE_UP, tableStock));
    bakery().update(540);
    bakery().update(545);
    bakery().putGoodsOnNewTray(rawTray(kBun, 1));
    ASSERT_TRUE(bakery().pickUp(kAtTable));

    bakery().clearDayItems();
    EXPECT_EQ(nullptr, bakery().getCarried());
    const std::pair<ItemKind, size_t> left[] = {{ITEM_TRAY, 0}, {ITEM_DOUGH, 0}, {ITEM_LETTER, 0},
                                                {ITEM_BOX, 1},  {ITEM_OVEN, 1},  {ITEM_SHELF_THING, 7}};
    for (const auto& [kind, number] : left)
        EXPECT_EQ(number, countKind(kind)) << "kind " << kind;
    EXPECT_EQ(nullptr, bakery().getField(FIELD_OVEN).firstItem());
    EXPECT_EQ(nullptr, bakery().getField(FIELD_TABLE).firstItem());
    bakery().update(546);
    EXPECT_FALSE(bakery().getOven().isBaking());
    EXPECT_EQ(0, bakery().getOven().getEffects().getStage());
    settle(); // the tray's fall into the oven is over and nothing moves it any more
    EXPECT_EQ(1, tray.use_count());
    EXPECT_TRUE(bakery().pickUp(box->getPosition()));
}

TEST_F(BakeryItemsTest, AStoreroomBoxLandsInTheBakersHandsOrAtHerFeetWhenTheyAreFull) {
    const vector3df hero(870.f, 0.f, 675.f);
    const VisualItemBoxPtr first = bakery().handIngredientBox({200, 0, 0, 0, 1, 0}, hero);
    EXPECT_EQ(first, bakery().getCarried());
    EXPECT_EQ((IngredientRow{200, 0, 0, 0, 1, 0}), first->getContents());
    const VisualItemBoxPtr second = bakery().handIngredientBox({0, 0, 10, 0, 0, 0}, hero);
    EXPECT_EQ(first, bakery().getCarried());
    EXPECT_EQ(1u, count(second));
    EXPECT_EQ(hero, second->getPosition());
}

TEST_F(BakeryItemsTest, TheDoughOnTheTableFollowsTheMixedDough) {
    Dough dough;
    dough.perBatch = {10, 0, 0, 0, 0, 0};
    dough.batches = 2;
    bakery().showDoughOnTable(&dough);
    ASSERT_NE(nullptr, bakery().getTableDough());
    EXPECT_EQ(L"item_dough_2", frameOf(*bakery().getTableDough()));
    EXPECT_EQ(bakery().getField(FIELD_TABLE).getPoints().front().position, bakery().getTableDough()->getPosition());
    dough.batches = 4;
    dough.perBatch = {250, 0, 0, 0, 0, 0};
    bakery().showDoughOnTable(&dough);
    EXPECT_EQ(L"item_dough_6", frameOf(*bakery().getTableDough()));
    EXPECT_FALSE(bakery().pickUp(kAtTable));
    bakery().showDoughOnTable(nullptr);
    EXPECT_EQ(nullptr, bakery().getTableDough());
}

TEST_F(BakeryItemsTest, OnlyALumpOfDoughIsTakenFromTheTableToKnead) {
    EXPECT_FALSE(bakery().takeDoughFromTable());
    const Dough mixed = Dough::fromRecipe(goods, kBun, goods.entry(kBun).amounts, 3);
    const VisualItemSinglePtr lump = bakery().putDoughOnTable(mixed);
    const std::optional<Dough> taken = bakery().takeDoughFromTable();
    ASSERT_TRUE(taken);
    EXPECT_EQ(mixed.weight(), taken->weight());
    EXPECT_EQ(kBun, taken->kind);
    EXPECT_EQ(0u, count(lump));
    EXPECT_FALSE(bakery().takeDoughFromTable());

    // A loose bun is a single item too, but no dough.
    const VisualItemSinglePtr bun = bakery().getFactory().good(rawTray(kBun, 1).goods.front(), {});
    bakery().add(bun);
    ASSERT_TRUE(bakery().place(bun, FIELD_TABLE));
    EXPECT_FALSE(bakery().takeDoughFromTable());
    EXPECT_EQ(bun, bakery().getField(FIELD_TABLE).firstItem());
}

TEST_F(BakeryItemsTest, PicksUpTheNearestBoxWithinTwentyAndHoldsOneThingAtATime) {
    const VisualItemBoxPtr lone = bakery().addIngredientBox({}, vector3df(600.f, 0.f, 500.f));
    EXPECT_EQ(nullptr, bakery().nearestPickUp(vector3df(620.5f, 0.f, 500.f)));
    EXPECT_EQ(lone, bakery().nearestPickUp(vector3df(612.f, 0.f, 516.f))); // exactly 20 away

    const vector3df spot(700.f, 0.f, 500.f);
    bakery().addLetter(spot);
    bakery().add(bakery().getFactory().good(BakedGood{}, spot + vector3df(1, 0, 0)));
    EXPECT_FALSE(bakery().pickUp(spot)) << "letters and loose goods are not taken";
    bakery().addIngredientBox({}, spot + vector3df(0, 0, 10));
    const VisualItemBoxPtr near = bakery().addIngredientBox({}, spot + vector3df(0, 0, -5));
    EXPECT_TRUE(bakery().pickUp(spot));
    EXPECT_EQ(near, bakery().getCarried());
    EXPECT_FALSE(bakery().pickUp(spot)) << "her hands hold one thing";
}

TEST_F(BakeryItemsTest, DropsOntoTheFreeSpotNearestTheBakersAimInTheFieldInFrontOfHer) {
    const struct {
        vector3df hero;
        int facing;
        ShopField field;
        float spotX;
    } aims[] = {
        // Standing between two free spots, she puts it on the one she faces.
        {{781.f, 0.f, 565.f}, FACE_RIGHT, FIELD_COUNTER_LEFT, 785.f},
        {{799.f, 0.f, 565.f}, FACE_LEFT, FIELD_COUNTER_LEFT, 795.f},
        {{802.f, 0.f, 555.f}, FACE_UP, FIELD_COUNTER_LEFT, 805.f},
        {{782.f, 0.f, 575.f}, FACE_DOWN, FIELD_COUNTER_LEFT, 775.f}, // 785 is taken
        {{765.f, 0.f, 565.f}, FACE_RIGHT, FIELD_COUNTER_LEFT, 825.f}, // the last free one
        {{865.f, 0.f, 565.f}, FACE_LEFT, FIELD_COUNTER_RIGHT, 855.f},
        // The shelves, from the kitchen behind them.
        {{830.f, 0.f, 602.f}, FACE_DOWN, FIELD_SHELF_1, 830.f},
        {{802.f, 0.f, 590.f}, FACE_DOWN, FIELD_SHELF_3, 802.5f},
    };
    for (const auto& aim : aims) {
        SCOPED_TRACE(aim.spotX);
        const VisualItemBoxPtr box = carryNewBox(aim.hero);
        EXPECT_EQ(DropResult::PLACED, bakery().drop(aim.hero, aim.facing, tableStock));
        EXPECT_EQ(nullptr, bakery().getCarried());
        const DropPoint* spot = bakery().getField(aim.field).pointHolding(box.get());
        ASSERT_NE(nullptr, spot);
        EXPECT_FLOAT_EQ(aim.spotX, spot->position.X);
        settle();
        EXPECT_EQ(spot->position, box->getPosition());
    }
    EXPECT_EQ(IngredientRow{}, tableStock) << "a box put down keeps its contents";
}

TEST_F(BakeryItemsTest, PickingUpFromAFieldFreesTheSpot) {
    const vector3df hero(802.f, 0.f, 555.f);
    const VisualItemBoxPtr box = carryNewBox(hero);
    ASSERT_EQ(DropResult::PLACED, bakery().drop(hero, FACE_UP, tableStock));
    settle();
    EXPECT_TRUE(bakery().pickUp(hero));
    EXPECT_EQ(nullptr, bakery().getField(FIELD_COUNTER_LEFT).pointHolding(box.get()));
    EXPECT_TRUE(bakery().getField(FIELD_COUNTER_LEFT).allItems().empty());
}

TEST_F(BakeryItemsTest, AThingTakenBackWhileItFallsStaysInHerHands) {
    const vector3df hero(802.f, 0.f, 555.f);
    const VisualItemBoxPtr box = carryNewBox(hero);
    ASSERT_EQ(DropResult::PLACED, bakery().drop(hero, FACE_UP, tableStock));
    ASSERT_TRUE(bakery().pickUp(hero));
    bakery().carryAlong(hero, FACE_UP);
    const vector3df inHerHands = box->getPosition();
    settle();
    EXPECT_EQ(inHerHands, box->getPosition()) << "its fall went on";
}

TEST_F(BakeryItemsTest, AFullFieldOrNoFieldInFrontRefusesAndTheItemStaysInHand) {
    const VisualItemPtr first = bakery().addLetter({});
    const VisualItemPtr second = bakery().addLetter({});
    EXPECT_TRUE(bakery().place(first, FIELD_COUNTER_RIGHT));
    EXPECT_TRUE(bakery().place(second, FIELD_COUNTER_RIGHT));
    EXPECT_FALSE(bakery().place(bakery().addLetter({}), FIELD_COUNTER_RIGHT));
    ItemDropField& field = bakery().getField(FIELD_COUNTER_RIGHT);
    EXPECT_TRUE(field.isFull());
    EXPECT_EQ(first, field.firstItem());
    EXPECT_EQ((std::vector<VisualItemPtr>{first, second}), field.allItems());
    EXPECT_EQ(1u, count(first)) << "placed, it is still one item of the bakery";
    EXPECT_EQ(nullptr, field.freePointNearest(vector3df(850, 0, 565)));

    const vector3df hero(865.f, 0.f, 565.f);
    const VisualItemBoxPtr box = carryNewBox(hero);
    EXPECT_EQ(DropResult::REFUSED, bakery().drop(hero, FACE_LEFT, tableStock));
    EXPECT_EQ(DropResult::REFUSED, bakery().drop(vector3df(700.f, 0.f, 500.f), FACE_UP, tableStock));
    EXPECT_EQ(box, bakery().getCarried());
}

TEST_F(BakeryItemsTest, ABoxOnTheWorkTableFillsItsStockEvenWhenItIsFullAndAnythingInTheBinIsGone) {
    tableStock = {10, 0, 0, 0, 2, 0};
    const VisualItemBoxPtr box = carryNewBox(kAtTable);
    EXPECT_EQ(DropResult::STOCKED, bakery().drop(kAtTable, FACE_UP, tableStock));
    EXPECT_EQ((IngredientRow{110, 0, 0, 0, 3, 0}), tableStock);
    EXPECT_EQ(nullptr, bakery().getCarried());
    EXPECT_EQ(0u, count(box));
    EXPECT_TRUE(bakery().getField(FIELD_TABLE).allItems().empty());

    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(kBun, 4));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    ASSERT_EQ(tray, bakery().getCarried());
    EXPECT_EQ(DropResult::WASTED, bakery().drop(kAtWaste, FACE_UP, tableStock));
    EXPECT_EQ(nullptr, bakery().getCarried());
    EXPECT_EQ(0u, count(tray));
    EXPECT_TRUE(bakery().getField(FIELD_WASTE).allItems().empty());
    EXPECT_EQ((IngredientRow{110, 0, 0, 0, 3, 0}), tableStock);

    // A full table still takes a box into its stock, but nothing else.
    const VisualItemMultiPtr second = bakery().putGoodsOnNewTray(rawTray(kBun, 1));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    while (bakery().place(bakery().addLetter({}), FIELD_TABLE)) {
    }
    EXPECT_EQ(DropResult::REFUSED, bakery().drop(kAtTable, FACE_UP, tableStock));
    EXPECT_EQ(second, bakery().getCarried());
    ASSERT_EQ(DropResult::WASTED, bakery().drop(kAtWaste, FACE_UP, tableStock));
    carryNewBox(kAtTable);
    EXPECT_EQ(DropResult::STOCKED, bakery().drop(kAtTable, FACE_UP, tableStock));
    EXPECT_EQ((IngredientRow{210, 0, 0, 0, 4, 0}), tableStock);
}

TEST_F(BakeryItemsTest, FieldsCoverTheFloorWhateverTheHeightAndMarkWhereTheCarriedItemFits) {
    EXPECT_TRUE(bakery().getField(FIELD_TABLE).covers(vector3df(785.f, 40.f, 615.f)));
    EXPECT_FALSE(bakery().getField(FIELD_TABLE).covers(vector3df(805.f, 0.f, 615.f)));
    EXPECT_TRUE(bakery().markedBoxes().empty());
    carryNewBox(vector3df(700.f, 0.f, 500.f));
    const auto boxes = bakery().markedBoxes();
    EXPECT_EQ(SHOP_FIELD_COUNT - 1, boxes.size()); // everywhere but the oven
    EXPECT_EQ(0, std::count(boxes.begin(), boxes.end(), bakery().getField(FIELD_OVEN).getBox()));
}

// The shop's fields are rows; one that goes back in depth must weigh both floor distances.
TEST(ItemDropFieldTest, TheNearestSpotIsReckonedAlongTheFloorBothWays) {
    ItemDropField field({0, 0, 0, 20, 5, 20}, {{{5, 5, 5}}, {{15, 0, 15}}, {{5, 0, 15}}});
    EXPECT_EQ(vector3df(5, 0, 15), field.freePointNearest({6, 90, 13})->position);
    EXPECT_EQ(vector3df(15, 0, 15), field.freePointNearest({14, 90, 14})->position);
}

} // namespace
