#include "ItemsFixture.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

constexpr int32_t kNineForDay = 540;

class BakeryDayTest : public ItemsFixture {
protected:
    size_t count(ItemKind kind) const
    {
        const auto& items = const_cast<BakeryDayTest*>(this)->bakery().getItems();
        return std::count_if(items.begin(), items.end(), [kind](const VisualItemPtr& item) { return item->getKind() == kind; });
    }
};

TEST_F(BakeryDayTest, BakeryStartsWithTheOvenAndTheShelfThings)
{
    EXPECT_EQ(count(ITEM_OVEN), 1u);
    EXPECT_EQ(count(ITEM_SHELF_THING), 7u);
    EXPECT_EQ(bakery().getOven().getPosition(), vector3df(825.f, 0.f, 640.f));
}

TEST_F(BakeryDayTest, KneadedGoodsLieRawOnATrayOnTheTable)
{
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(1, 4));
    ASSERT_EQ(tray->getGoods().size(), 4u);
    EXPECT_EQ(bakery().getField(FIELD_TABLE).firstItem(), tray);
    for (const VisualItemSinglePtr& good : tray->getGoods()) {
        EXPECT_EQ(good->getNode()->getParent(), tray->getNode());
        EXPECT_EQ(good->getGood().kind, 1);
        EXPECT_EQ(good->getGood().targetMinutes, bakeMinutesOf(1));
        EXPECT_FALSE(good->getGood().done);
        EXPECT_EQ(frameOf(*good), L"item_bun_1");
    }
}

TEST_F(BakeryDayTest, SecondTrayGoesToTheCounterWhenTheTableIsTaken)
{
    bakery().putGoodsOnNewTray(rawTray(1, 1));
    const VisualItemMultiPtr second = bakery().putGoodsOnNewTray(rawTray(1, 1));
    EXPECT_EQ(bakery().getField(FIELD_COUNTER_LEFT).firstItem(), second);
}

TEST_F(BakeryDayTest, TrayIsKeptEvenWhenEverySpotIsTaken)
{
    for (ShopField field : {FIELD_TABLE, FIELD_COUNTER_LEFT, FIELD_COUNTER_RIGHT, FIELD_SHELF_1, FIELD_SHELF_2, FIELD_SHELF_3})
        while (bakery().place(bakery().addLetter({}), field)) {
        }
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(2, 1));
    EXPECT_EQ(std::count(bakery().getItems().begin(), bakery().getItems().end(), tray), 1);
    EXPECT_TRUE(bakery().pickUp(kAtTable));
    EXPECT_EQ(bakery().getCarried(), tray);
}

TEST_F(BakeryDayTest, OnlyReadyGoodsOnDisplayAreOffered)
{
    Tray mixed = rawTray(6, 2);
    mixed.goods[0].bake(bakeMinutesOf(6));
    const VisualItemMultiPtr baked = bakery().putGoodsOnNewTray(mixed);
    bakery().place(baked, FIELD_SHELF_3);
    const VisualItemMultiPtr raw = bakery().putGoodsOnNewTray(rawTray(1, 2));
    bakery().place(raw, FIELD_SHELF_1);
    const VisualItemMultiPtr kitchen = bakery().putGoodsOnNewTray(bakedTray(6, 1, bakeMinutesOf(6)));
    ASSERT_EQ(bakery().getField(FIELD_TABLE).firstItem(), kitchen);

    const std::vector<VisualItemSinglePtr> offered = bakery().readyGoodsOnDisplay();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered.front(), baked->getGoods()[0]);
    EXPECT_EQ(frameOf(*offered.front()), L"item_baiser_2");
}

TEST_F(BakeryDayTest, FailedDoughShowsTheUnknownPicture)
{
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(0, 1));
    EXPECT_EQ(frameOf(*tray->getGoods().front()), L"item_unknown");
}

TEST_F(BakeryDayTest, SoldGoodLeavesItsTray)
{
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(6, 2));
    const VisualItemSinglePtr sold = tray->getGoods()[0];
    EXPECT_TRUE(bakery().takeGood(sold));
    EXPECT_EQ(tray->getGoods().size(), 1u);
    EXPECT_FALSE(tray->holds(sold));
    EXPECT_FALSE(bakery().takeGood(sold));
}

TEST_F(BakeryDayTest, NewDayClearsGoodsTraysDoughAndLetterButKeepsBoxes)
{
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(1, 2));
    bakery().add(bakery().getFactory().dough(L"item_dough_3", vector3df(700.f, 10.f, 500.f)));
    bakery().addLetter(vector3df(850.f, 0.f, 600.f));
    const VisualItemBoxPtr box = bakery().addIngredientBox({500, 0, 0, 0, 0, 0}, vector3df(870.f, 0.f, 680.f));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    ASSERT_EQ(bakery().drop(kAtOven, FACE_UP, tableStock), DropResult::PLACED);
    bakery().update(kNineForDay);
    bakery().update(kNineForDay + 5);

    bakery().clearDayItems();
    EXPECT_EQ(count(ITEM_TRAY), 0u);
    EXPECT_EQ(count(ITEM_DOUGH), 0u);
    EXPECT_EQ(count(ITEM_LETTER), 0u);
    EXPECT_EQ(count(ITEM_BOX), 1u);
    EXPECT_EQ(count(ITEM_OVEN), 1u);
    EXPECT_EQ(count(ITEM_SHELF_THING), 7u);
    EXPECT_EQ(bakery().getField(FIELD_OVEN).firstItem(), nullptr);
    EXPECT_EQ(bakery().getField(FIELD_TABLE).firstItem(), nullptr);

    bakery().update(kNineForDay + 6);
    EXPECT_FALSE(bakery().getOven().isBaking());
    EXPECT_EQ(bakery().getOven().getEffects().getStage(), 0);
    settle(); // the tray's fall into the oven is over and nothing moves it any more
    EXPECT_EQ(tray.use_count(), 1);
    EXPECT_TRUE(bakery().pickUp(box->getPosition()));
}

TEST_F(BakeryDayTest, NewDayEmptiesTheBakersHands)
{
    bakery().putGoodsOnNewTray(rawTray(1, 2));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    bakery().clearDayItems();
    EXPECT_EQ(bakery().getCarried(), nullptr);
}

} // namespace

namespace {

class HandsAndTableTest : public ItemsFixture {};

TEST_F(HandsAndTableTest, StoreroomBoxLandsInTheBakersHands)
{
    const vector3df hero(870.f, 0.f, 675.f);
    const VisualItemBoxPtr box = bakery().handIngredientBox({200, 0, 0, 0, 1, 0}, hero);
    EXPECT_EQ(bakery().getCarried(), box);
    EXPECT_EQ(box->getContents(), (IngredientRow{200, 0, 0, 0, 1, 0}));
}

TEST_F(HandsAndTableTest, StoreroomBoxWaitsAtTheFeetWhenTheHandsAreFull)
{
    const vector3df hero(870.f, 0.f, 675.f);
    const VisualItemBoxPtr first = bakery().handIngredientBox({100, 0, 0, 0, 0, 0}, hero);
    const VisualItemBoxPtr second = bakery().handIngredientBox({0, 0, 10, 0, 0, 0}, hero);
    EXPECT_EQ(bakery().getCarried(), first);
    EXPECT_EQ(std::count(bakery().getItems().begin(), bakery().getItems().end(), second), 1);
    EXPECT_EQ(second->getPosition(), hero);
}

TEST_F(HandsAndTableTest, DoughOnTheTableFollowsTheMixedDough)
{
    Dough dough;
    dough.perBatch = {10, 0, 0, 0, 0, 0};
    dough.batches = 2;
    bakery().showDoughOnTable(&dough);
    ASSERT_NE(bakery().getTableDough(), nullptr);
    EXPECT_EQ(frameOf(*bakery().getTableDough()), L"item_dough_2");
    EXPECT_EQ(bakery().getTableDough()->getPosition(), bakery().getField(FIELD_TABLE).getPoints().front().position);

    dough.batches = 4;
    dough.perBatch = {250, 0, 0, 0, 0, 0};
    bakery().showDoughOnTable(&dough);
    EXPECT_EQ(frameOf(*bakery().getTableDough()), L"item_dough_6");
    EXPECT_FALSE(bakery().pickUp(kAtTable));

    bakery().showDoughOnTable(nullptr);
    EXPECT_EQ(bakery().getTableDough(), nullptr);
}

} // namespace
