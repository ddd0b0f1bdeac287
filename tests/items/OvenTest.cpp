#include "ItemsFixture.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

constexpr int32_t kBaiser = 6;
constexpr int32_t kNine = 540;         // 09:00 on the game clock

class OvenTest : public ItemsFixture {
protected:
    // A fresh tray from the table carried into the oven; the result of the drop.
    DropResult carryTrayIntoOven(int32_t goodsType, int32_t count)
    {
        tray = bakery().putGoodsOnNewTray(rawTray(goodsType, count));
        EXPECT_TRUE(bakery().pickUp(kAtTable));
        return bakery().drop(kAtOven, FACE_UP, tableStock);
    }

    // The tray from the oven back onto the table.
    void takeTrayOutToTable()
    {
        ASSERT_TRUE(bakery().pickUp(kAtOven));
        ASSERT_EQ(bakery().getCarried(), tray);
        ASSERT_EQ(bakery().drop(kAtTable, FACE_UP, tableStock), DropResult::PLACED);
    }

    const VisualItemSingle& firstItem() const { return *tray->getGoods().front(); }
    const BakedGood& firstGood() const { return firstItem().getGood(); }

    irr::scene::IParticleEmitter* emitter(OvenEffects::System system)
    {
        return bakery().getOven().getEffects().getSystem(system)->getEmitter();
    }

    VisualItemMultiPtr tray;
};

TEST_F(OvenTest, RefusesATrayWithAnUnknownGood)
{
    EXPECT_EQ(carryTrayIntoOven(0, 2), DropResult::REFUSED);
    EXPECT_EQ(bakery().getCarried(), tray);
    EXPECT_EQ(bakery().getField(FIELD_OVEN).firstItem(), nullptr);
}

TEST_F(OvenTest, RefusesAnEmptyTray)
{
    EXPECT_EQ(carryTrayIntoOven(1, 0), DropResult::REFUSED);
}

TEST_F(OvenTest, RefusesABox)
{
    carryNewBox(kAtOven);
    EXPECT_EQ(bakery().drop(kAtOven, FACE_UP, tableStock), DropResult::REFUSED);
}

TEST_F(OvenTest, TakesATrayOfKnownGoodsAndSlidesItIn)
{
    EXPECT_EQ(carryTrayIntoOven(1, 4), DropResult::PLACED);
    EXPECT_EQ(bakery().getField(FIELD_OVEN).firstItem(), tray);
    settle();
    EXPECT_EQ(tray->getPosition(), vector3df(825.f, 13.f, 638.f));
}

TEST_F(OvenTest, TakesOneTrayAtATime)
{
    ASSERT_EQ(carryTrayIntoOven(1, 1), DropResult::PLACED);
    settle();
    EXPECT_EQ(carryTrayIntoOven(1, 1), DropResult::REFUSED);
}

TEST_F(OvenTest, BaiserBakesByTheGameMinutes)
{
    ASSERT_EQ(bakeMinutesOf(kBaiser), 10);
    ASSERT_EQ(carryTrayIntoOven(kBaiser, 2), DropResult::PLACED);
    EXPECT_EQ(frameOf(firstItem()), L"item__baiser_1");

    bakery().update(kNine);
    bakery().update(kNine + 9);
    EXPECT_FALSE(firstGood().done);
    EXPECT_EQ(frameOf(firstItem()), L"item__baiser_1");

    bakery().update(kNine + 10);
    EXPECT_TRUE(firstGood().done);
    EXPECT_FLOAT_EQ(firstGood().quality, 1.f);
    EXPECT_EQ(frameOf(firstItem()), L"item_baiser_2");

    bakery().update(kNine + 15);
    EXPECT_FLOAT_EQ(firstGood().quality, 0.5f);
    EXPECT_EQ(frameOf(firstItem()), L"item_baiser_3");

    bakery().update(kNine + 16);
    EXPECT_FLOAT_EQ(firstGood().quality, 0.f);
    EXPECT_EQ(frameOf(firstItem()), L"item_baiser_4");
    for (const VisualItemSinglePtr& good : tray->getGoods())
        EXPECT_EQ(good->getGood().bakedMinutes, 16);
}

TEST_F(OvenTest, EmptyOvenShowsNoSmoke)
{
    bakery().update(kNine);
    EXPECT_FALSE(bakery().getOven().isBaking());
    EXPECT_EQ(bakery().getOven().getEffects().getStage(), 0);
    for (auto system : {OvenEffects::FLOUR, OvenEffects::LIGHT_SMOKE, OvenEffects::DARK_SMOKE})
        EXPECT_EQ(emitter(system)->getMaxParticlesPerSecond(), 0u);
}

TEST_F(OvenTest, EffectsFollowTheStageOfTheGoods)
{
    ASSERT_EQ(carryTrayIntoOven(kBaiser, 1), DropResult::PLACED);
    bakery().update(kNine);
    EXPECT_EQ(bakery().getOven().getEffects().getStage(), 0); // no minute has passed yet

    bakery().update(kNine + 1);
    EXPECT_EQ(emitter(OvenEffects::FLOUR)->getMinParticlesPerSecond(), 40u);
    EXPECT_EQ(emitter(OvenEffects::FLOUR)->getMaxParticlesPerSecond(), 70u);
    EXPECT_FLOAT_EQ(emitter(OvenEffects::FLOUR)->getMaxStartSize().Width, 20.f);

    bakery().update(kNine + 10);
    EXPECT_EQ(emitter(OvenEffects::FLOUR)->getMinParticlesPerSecond(), 80u);
    EXPECT_FLOAT_EQ(emitter(OvenEffects::FLOUR)->getMaxStartSize().Width, 25.f);

    bakery().update(kNine + 12);
    EXPECT_EQ(emitter(OvenEffects::FLOUR)->getMaxParticlesPerSecond(), 20u);
    EXPECT_EQ(emitter(OvenEffects::LIGHT_SMOKE)->getMaxParticlesPerSecond(), 20u);
    EXPECT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMaxParticlesPerSecond(), 0u);

    bakery().update(kNine + 20); // five minutes past burning: f = 1.5
    EXPECT_EQ(emitter(OvenEffects::FLOUR)->getMaxParticlesPerSecond(), 0u);
    EXPECT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMinParticlesPerSecond(), 15u);
    EXPECT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMaxParticlesPerSecond(), 30u);
    EXPECT_FLOAT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMaxStartSize().Width, 30.f);

    bakery().update(kNine + 60); // smoke stops growing at twice the size
    EXPECT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMaxParticlesPerSecond(), 40u);

    settle();
    takeTrayOutToTable();
    bakery().update(kNine + 61);
    EXPECT_EQ(bakery().getOven().getEffects().getStage(), 0);
    EXPECT_EQ(emitter(OvenEffects::DARK_SMOKE)->getMaxParticlesPerSecond(), 0u);
}

} // namespace
