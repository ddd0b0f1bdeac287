#include "ItemsFixture.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class CarryAndDropTest : public ItemsFixture {};

TEST_F(CarryAndDropTest, PicksUpWithinTwentyButNotBeyond)
{
    const VisualItemBoxPtr box = bakery().addIngredientBox({}, vector3df(700.f, 0.f, 500.f));
    EXPECT_FALSE(bakery().pickUp(vector3df(720.5f, 0.f, 500.f)));
    EXPECT_EQ(bakery().getCarried(), nullptr);
    EXPECT_TRUE(bakery().pickUp(vector3df(712.f, 0.f, 516.f))); // exactly 20 away
    EXPECT_EQ(bakery().getCarried(), box);
}

TEST_F(CarryAndDropTest, PicksUpTheNearestOfSeveral)
{
    bakery().addIngredientBox({}, vector3df(700.f, 0.f, 510.f));
    const VisualItemBoxPtr near = bakery().addIngredientBox({}, vector3df(700.f, 0.f, 495.f));
    EXPECT_TRUE(bakery().pickUp(vector3df(700.f, 0.f, 500.f)));
    EXPECT_EQ(bakery().getCarried(), near);
}

TEST_F(CarryAndDropTest, LettersAndLooseGoodsAreNotPickedUp)
{
    bakery().addLetter(vector3df(700.f, 0.f, 500.f));
    bakery().add(bakery().getFactory().good(BakedGood{}, vector3df(701.f, 0.f, 500.f)));
    EXPECT_FALSE(bakery().pickUp(vector3df(700.f, 0.f, 500.f)));
}

TEST_F(CarryAndDropTest, HandsHoldOneThing)
{
    carryNewBox(vector3df(700.f, 0.f, 500.f));
    bakery().addIngredientBox({}, vector3df(702.f, 0.f, 500.f));
    EXPECT_FALSE(bakery().pickUp(vector3df(700.f, 0.f, 500.f)));
}

TEST_F(CarryAndDropTest, CarriedItemIsHeldAboveTheBaker)
{
    const VisualItemBoxPtr box = carryNewBox(vector3df(700.f, 0.f, 500.f));
    bakery().carryAlong(vector3df(710.f, 0.f, 520.f), FACE_UP);
    EXPECT_EQ(box->getPosition(), vector3df(710.f, 30.f, 518.f));
    bakery().carryAlong(vector3df(710.f, 0.f, 520.f), FACE_RIGHT);
    EXPECT_EQ(box->getPosition(), vector3df(710.f, 25.f, 518.f));
}

struct Aim {
    vector3df hero;
    int facing;
    ShopField field;
    float spotX;
};

TEST_F(CarryAndDropTest, DropsIntoTheFieldInFrontOfTheBakerForEachFacing)
{
    const Aim aims[] = {
        {vector3df(802.f, 0.f, 555.f), FACE_UP, FIELD_COUNTER_LEFT, 805.f},
        {vector3df(782.f, 0.f, 575.f), FACE_DOWN, FIELD_COUNTER_LEFT, 785.f},
        {vector3df(765.f, 0.f, 565.f), FACE_RIGHT, FIELD_COUNTER_LEFT, 775.f},
        {vector3df(865.f, 0.f, 565.f), FACE_LEFT, FIELD_COUNTER_RIGHT, 855.f},
    };
    for (const Aim& aim : aims) {
        const VisualItemBoxPtr box = carryNewBox(aim.hero);
        EXPECT_EQ(bakery().drop(aim.hero, aim.facing, tableStock), DropResult::PLACED) << "facing " << aim.facing;
        EXPECT_EQ(bakery().getCarried(), nullptr);
        DropPoint* spot = bakery().getField(aim.field).pointHolding(box.get());
        ASSERT_NE(spot, nullptr) << "facing " << aim.facing;
        EXPECT_FLOAT_EQ(spot->position.X, aim.spotX);
        settle();
        EXPECT_EQ(box->getPosition(), spot->position);
    }
}

TEST_F(CarryAndDropTest, NothingInFrontKeepsTheItemInHand)
{
    const VisualItemBoxPtr box = carryNewBox(vector3df(700.f, 0.f, 500.f));
    EXPECT_EQ(bakery().drop(vector3df(700.f, 0.f, 500.f), FACE_UP, tableStock), DropResult::REFUSED);
    EXPECT_EQ(bakery().getCarried(), box);
}

TEST_F(CarryAndDropTest, FullFieldRefusesAndTheItemStaysInHand)
{
    bakery().place(bakery().addLetter({}), FIELD_COUNTER_RIGHT);
    bakery().place(bakery().addLetter({}), FIELD_COUNTER_RIGHT);
    const vector3df hero(865.f, 0.f, 565.f);
    const VisualItemBoxPtr box = carryNewBox(hero);
    EXPECT_EQ(bakery().drop(hero, FACE_LEFT, tableStock), DropResult::REFUSED);
    EXPECT_EQ(bakery().getCarried(), box);
}

TEST_F(CarryAndDropTest, PickingUpFromAFieldFreesTheSpot)
{
    const vector3df hero(802.f, 0.f, 555.f);
    const VisualItemBoxPtr box = carryNewBox(hero);
    ASSERT_EQ(bakery().drop(hero, FACE_UP, tableStock), DropResult::PLACED);
    settle();
    EXPECT_TRUE(bakery().pickUp(hero));
    EXPECT_EQ(bakery().getField(FIELD_COUNTER_LEFT).pointHolding(box.get()), nullptr);
    EXPECT_TRUE(bakery().getField(FIELD_COUNTER_LEFT).allItems().empty());
}

TEST_F(CarryAndDropTest, BoxOnTheWorkTableFillsTheTableStockAndVanishes)
{
    tableStock = {10, 0, 0, 0, 2, 0};
    const VisualItemBoxPtr box = carryNewBox(kAtTable);
    EXPECT_EQ(bakery().drop(kAtTable, FACE_UP, tableStock), DropResult::STOCKED);
    EXPECT_EQ(tableStock, (IngredientRow{110, 0, 0, 0, 3, 0}));
    EXPECT_EQ(bakery().getCarried(), nullptr);
    EXPECT_EQ(std::count(bakery().getItems().begin(), bakery().getItems().end(), box), 0);
    EXPECT_TRUE(bakery().getField(FIELD_TABLE).allItems().empty());
}

TEST_F(CarryAndDropTest, BoxOnAShelfKeepsItsContents)
{
    const vector3df hero(802.f, 0.f, 555.f);
    carryNewBox(hero);
    EXPECT_EQ(bakery().drop(hero, FACE_UP, tableStock), DropResult::PLACED);
    EXPECT_EQ(tableStock, IngredientRow{});
}

TEST_F(CarryAndDropTest, AnythingInTheBinIsGone)
{
    const VisualItemMultiPtr tray = bakery().putGoodsOnNewTray(rawTray(1, 4));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    ASSERT_EQ(bakery().getCarried(), tray);
    EXPECT_EQ(bakery().drop(kAtWaste, FACE_UP, tableStock), DropResult::WASTED);
    EXPECT_EQ(bakery().getCarried(), nullptr);
    EXPECT_EQ(std::count(bakery().getItems().begin(), bakery().getItems().end(), tray), 0);
    EXPECT_TRUE(bakery().getField(FIELD_WASTE).allItems().empty());
    EXPECT_EQ(tableStock, IngredientRow{});
}

TEST_F(CarryAndDropTest, MarkedBoxesShowWhereTheCarriedItemFits)
{
    EXPECT_TRUE(bakery().markedBoxes().empty());
    carryNewBox(vector3df(700.f, 0.f, 500.f));
    const auto boxes = bakery().markedBoxes();
    EXPECT_EQ(boxes.size(), SHOP_FIELD_COUNT - 1); // everywhere but the oven
    EXPECT_EQ(std::count(boxes.begin(), boxes.end(), bakery().getField(FIELD_OVEN).getBox()), 0);
}

} // namespace
