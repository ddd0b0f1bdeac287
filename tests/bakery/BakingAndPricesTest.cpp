// Baking stages in the oven, the fair price, the merchant's prices and the popularity gain.
#include "BakeryTestWorld.h"

#include "src_lumo/Bakery/OvenBaking.h"
#include "src_lumo/Bakery/Pricing.h"

using namespace Lumo;
using BakeryTest::baked;

namespace {

Tray trayOf(int32_t kind, int32_t target, size_t count) {
    Tray tray;
    tray.goods.assign(count, baked(kind, target, 0));
    return tray;
}

} // namespace

TEST(BakingStages, MoveAfterNineTenthsElevenTenthsAndThreeHalvesOfTheTime) {
    const struct {
        int32_t kind, target, minutes, stage;
    } bakes[] = {{kBaiser, 10, 9, 1},  {kBaiser, 10, 10, 2}, {kBaiser, 10, 11, 2}, {kBaiser, 10, 12, 3},
                 {kBaiser, 10, 15, 3}, {kBaiser, 10, 16, 4}, {kDonut, 20, 18, 1},  {kDonut, 20, 19, 2},
                 {kDonut, 20, 22, 2},  {kDonut, 20, 23, 3},  {kDonut, 20, 30, 3},  {kDonut, 20, 31, 4}};
    for (const auto& bake : bakes) {
        const BakedGood good = baked(bake.kind, bake.target, bake.minutes);
        EXPECT_EQ(bake.stage, good.stage) << bake.minutes << " of " << bake.target << " minutes";
        EXPECT_EQ(bake.stage > 1, good.done) << bake.minutes << " of " << bake.target << " minutes";
    }
}

TEST(BakingStages, QualityAndPictureFollowTheStage) {
    EXPECT_FLOAT_EQ(1.0f, baked(kDonut, 20, 20).quality);
    EXPECT_FLOAT_EQ(0.5f, baked(kDonut, 20, 25).quality);
    const BakedGood burnt = baked(kDonut, 20, 40);
    EXPECT_FLOAT_EQ(0.0f, burnt.quality);
    EXPECT_EQ("item_donut_4", burnt.frameName());
}

TEST(Oven, EachClockChangeBakesByTheMinutesThatPassedAndATrayOutKeepsItsTime) {
    OvenBaking oven;
    Tray tray = trayOf(kBun, 30, 4);
    EXPECT_FALSE(oven.update(600, &tray));
    EXPECT_TRUE(oven.isBaking());
    EXPECT_TRUE(oven.update(601, &tray));
    EXPECT_FALSE(oven.update(601, &tray));
    EXPECT_TRUE(oven.update(630, &tray)); // a jump bakes by the jump
    for (const BakedGood& good : tray.goods)
        EXPECT_EQ(30, good.bakedMinutes);
    EXPECT_EQ(2, oven.effectsStage());

    OvenBaking again;
    Tray bun = trayOf(kBun, 30, 1);
    again.update(600, &bun);
    again.update(610, &bun);
    EXPECT_TRUE(again.update(615, nullptr));
    EXPECT_EQ(0, again.effectsStage());
    EXPECT_FALSE(again.isBaking());
    EXPECT_FALSE(again.update(616, nullptr)) << "an empty oven stays as it is";
    EXPECT_EQ(10, bun.goods[0].bakedMinutes);
    again.update(700, &bun); // back in an hour later: counting restarts from now
    EXPECT_EQ(0, again.elapsedMinutes());
    again.update(717, &bun);
    EXPECT_EQ(27, bun.goods[0].bakedMinutes);
    EXPECT_EQ(1, bun.goods[0].stage);
    again.update(718, &bun);
    EXPECT_EQ(2, bun.goods[0].stage);
}

TEST(Oven, TheClockGoingBackNeverUnbakesAndBurntGoodsSayHowFarPastBurningTheyAre) {
    OvenBaking oven;
    Tray tray = trayOf(kBun, 30, 1);
    oven.update(1300, &tray);
    oven.update(1320, &tray);
    oven.update(360, &tray); // the next morning
    EXPECT_EQ(20, tray.goods[0].bakedMinutes);
    oven.update(365, &tray);
    EXPECT_EQ(25, tray.goods[0].bakedMinutes);

    OvenBaking burning;
    Tray baisers = trayOf(kBaiser, 10, 2);
    burning.update(600, &baisers);
    burning.update(640, &baisers);
    EXPECT_EQ(4, burning.effectsStage());
    EXPECT_EQ(25, burning.burnAmount());
}

TEST(Prices, TheFairPriceSumsBasePricesTimesQualityAndTheMerchantsByTheUnit) {
    EXPECT_EQ(75 + 250 + 150, referencePrice({baked(kBun, 30, 30), baked(kBread, 60, 80), baked(kDonut, 20, 20)}));
    EXPECT_EQ(125 + 300 + 250, referencePrice({baked(kCrossaint), baked(kBaguette), baked(kBaiser)}));
    EXPECT_EQ(0, referencePrice({baked(kBun, 30, 60)}));
    EXPECT_EQ(250, referencePrice({baked(kBoule, 45, 46)}));
    EXPECT_EQ(38, referencePrice({baked(kBun, 30, 34)})); // 37.5 rounds up
    EXPECT_EQ(1000, basePrice(kMelonpan));
    EXPECT_EQ(0, basePrice(kZwieback));
    EXPECT_EQ(0, basePrice(kUnknownGood)) << "a failed dough is worth nothing";
    EXPECT_EQ(0, basePrice(42));
    EXPECT_EQ(1000 + 1000 + 300, merchantPrice({0, 500, 20, 300, 0, 0}));
    EXPECT_EQ(0, merchantPrice({}));
}

TEST(PopularityGain, QualityTimesLikingScaledByThePriceAndNothingForBurntGoods) {
    Townsman buyer;
    buyer.liking[kBun] = 1.5f;
    const std::vector<BakedGood> buns = {baked(kBun, 30, 30), baked(kBun, 30, 40)};
    EXPECT_FLOAT_EQ(1.5f * 1.5f, popularityGain(buns, buyer, 113, 113));
    EXPECT_FLOAT_EQ(2.0f * 1.5f * 1.5f, popularityGain(buns, buyer, 100, 113));
    EXPECT_FLOAT_EQ(0.5f * 1.5f * 1.5f, popularityGain(buns, buyer, 200, 113));
    buyer.liking.fill(2.0f);
    EXPECT_FLOAT_EQ(0.0f, popularityGain({baked(kBun, 30, 50)}, buyer, 0, 0));
}
