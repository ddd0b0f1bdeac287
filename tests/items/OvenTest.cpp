// The oven: which trays it takes, how it bakes them by the game clock, and its flour and smoke.
#include "ItemsFixture.h"

#include "src_lumo/Bakery/GoodKind.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

constexpr int32_t kNine = 540; // 09:00 on the game clock

class OvenTest : public ItemsFixture {
protected:
    // A fresh tray from the table carried into the oven; the result of the drop.
    DropResult carryTrayIntoOven(int32_t kind, int32_t count) {
        tray = bakery().putGoodsOnNewTray(rawTray(kind, count));
        EXPECT_TRUE(bakery().pickUp(kAtTable));
        return bakery().drop(kAtOven, FACE_UP, tableStock);
    }
    irr::scene::IParticleEmitter* emitter(OvenEffects::System system) {
        return bakery().getOven().getEffects().getSystem(system)->getEmitter();
    }
    VisualItemMultiPtr tray;
};

TEST_F(OvenTest, RefusesAnUnknownGoodAnEmptyTrayAndABox) {
    EXPECT_EQ(DropResult::REFUSED, carryTrayIntoOven(kUnknownGood, 2));
    EXPECT_EQ(tray, bakery().getCarried());
    EXPECT_EQ(nullptr, bakery().getField(FIELD_OVEN).firstItem());
    bakery().clearDayItems();
    EXPECT_EQ(DropResult::REFUSED, carryTrayIntoOven(kBun, 0));
    bakery().clearDayItems();
    carryNewBox(kAtOven);
    EXPECT_EQ(DropResult::REFUSED, bakery().drop(kAtOven, FACE_UP, tableStock));
}

TEST_F(OvenTest, TakesOneTrayOfKnownGoodsAtATimeIntoItsMouth) {
    EXPECT_EQ(DropResult::PLACED, carryTrayIntoOven(kBun, 4));
    EXPECT_EQ(tray, bakery().getField(FIELD_OVEN).firstItem());
    settle();
    EXPECT_EQ(bakery().getField(FIELD_OVEN).getPoints().front().position, tray->getPosition());
    EXPECT_EQ(DropResult::REFUSED, carryTrayIntoOven(kBun, 1));
}

// The stages' borders, quality and pictures are the baking rules' own tests'; here the tray shows them.
TEST_F(OvenTest, TheGameClockBakesEveryGoodOnTheTrayAndItsPictureFollows) {
    ASSERT_EQ(DropResult::PLACED, carryTrayIntoOven(kBaiser, 2));
    bakery().update(kNine);
    bakery().update(kNine + 10);
    for (const VisualItemSinglePtr& good : tray->getGoods()) {
        EXPECT_EQ(10, good->getGood().bakedMinutes);
        EXPECT_EQ(L"item_baiser_2", frameOf(*good));
    }
}

TEST_F(OvenTest, FlourAndSmokeFollowTheStageOfTheGoods) {
    const auto none = [this] {
        // Both ends: a minimum left above nought keeps the smoke coming from an empty oven.
        for (const auto system : {OvenEffects::FLOUR, OvenEffects::LIGHT_SMOKE, OvenEffects::DARK_SMOKE}) {
            EXPECT_EQ(0u, emitter(system)->getMinParticlesPerSecond());
            EXPECT_EQ(0u, emitter(system)->getMaxParticlesPerSecond());
        }
        EXPECT_EQ(0, bakery().getOven().getEffects().getStage());
    };
    bakery().update(kNine);
    EXPECT_FALSE(bakery().getOven().isBaking());
    none();
    ASSERT_EQ(DropResult::PLACED, carryTrayIntoOven(kBaiser, 1));
    bakery().update(kNine);
    EXPECT_EQ(0, bakery().getOven().getEffects().getStage()) << "no minute has passed yet";

    // Unchecked where -1; five minutes past burning the smoke is half again as big, at most twice.
    const struct {
        int32_t minutes;
        OvenEffects::System system;
        int minPerSecond;
        int maxPerSecond;
        float startWidth;
    } effects[] = {{1, OvenEffects::FLOUR, 40, 70, 20.f},        {10, OvenEffects::FLOUR, 80, -1, 25.f},
                   {12, OvenEffects::FLOUR, -1, 20, -1.f},       {12, OvenEffects::LIGHT_SMOKE, -1, 20, -1.f},
                   {12, OvenEffects::DARK_SMOKE, -1, 0, -1.f},   {20, OvenEffects::FLOUR, -1, 0, -1.f},
                   {20, OvenEffects::DARK_SMOKE, 15, 30, 30.f},  {60, OvenEffects::DARK_SMOKE, -1, 40, -1.f}};
    for (const auto& effect : effects) {
        SCOPED_TRACE(testing::Message() << effect.minutes << " minutes, system " << effect.system);
        bakery().update(kNine + effect.minutes);
        irr::scene::IParticleEmitter* particles = emitter(effect.system);
        if (effect.minPerSecond >= 0)
            EXPECT_EQ(uint32_t(effect.minPerSecond), particles->getMinParticlesPerSecond());
        if (effect.maxPerSecond >= 0)
            EXPECT_EQ(uint32_t(effect.maxPerSecond), particles->getMaxParticlesPerSecond());
        if (effect.startWidth >= 0)
            EXPECT_FLOAT_EQ(effect.startWidth, particles->getMaxStartSize().Width);
    }

    settle();
    ASSERT_TRUE(bakery().pickUp(kAtOven));
    ASSERT_EQ(DropResult::PLACED, bakery().drop(kAtTable, FACE_UP, tableStock));
    bakery().update(kNine + 61);
    none();
}

} // namespace
