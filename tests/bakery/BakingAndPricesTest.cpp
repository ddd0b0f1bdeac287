// Baking stages in the oven, the fair price, the merchant's prices and the popularity gain.
#include "src_lumo/Bakery/OvenBaking.h"
#include "src_lumo/Bakery/Pricing.h"

#include <gtest/gtest.h>

using namespace Lumo;

namespace {

BakedGood rawGood(int32_t kind, int32_t target) {
    BakedGood good;
    good.kind = kind;
    good.targetMinutes = target;
    return good;
}

BakedGood bakedTo(int32_t kind, int32_t target, int32_t minutes) {
    BakedGood good = rawGood(kind, target);
    good.bake(minutes);
    return good;
}

Tray trayOf(int32_t kind, int32_t target, size_t count) {
    Tray tray;
    tray.goods.assign(count, rawGood(kind, target));
    return tray;
}

} // namespace

TEST(BakingStages, ABaiserIsReadyAfterMoreThanNineMinutesAndBurntAfterMoreThanFifteen) {
    EXPECT_EQ(bakedTo(kBaiser, 10, 9).stage, 1);
    EXPECT_FALSE(bakedTo(kBaiser, 10, 9).done);
    EXPECT_EQ(bakedTo(kBaiser, 10, 10).stage, 2);
    EXPECT_TRUE(bakedTo(kBaiser, 10, 10).done);
    EXPECT_EQ(bakedTo(kBaiser, 10, 11).stage, 2);
    EXPECT_EQ(bakedTo(kBaiser, 10, 12).stage, 3);
    EXPECT_EQ(bakedTo(kBaiser, 10, 15).stage, 3);
    EXPECT_EQ(bakedTo(kBaiser, 10, 16).stage, 4);
}

TEST(BakingStages, ATwentyMinuteGoodMovesAfter18And22And30) {
    EXPECT_EQ(bakedTo(kDonut, 20, 18).stage, 1);
    EXPECT_EQ(bakedTo(kDonut, 20, 19).stage, 2);
    EXPECT_EQ(bakedTo(kDonut, 20, 22).stage, 2);
    EXPECT_EQ(bakedTo(kDonut, 20, 23).stage, 3);
    EXPECT_EQ(bakedTo(kDonut, 20, 30).stage, 3);
    EXPECT_EQ(bakedTo(kDonut, 20, 31).stage, 4);
}

TEST(BakingStages, QualityAndPictureFollowTheStage) {
    const BakedGood baked = bakedTo(kDonut, 20, 20);
    EXPECT_FLOAT_EQ(baked.quality, 1.0f);
    EXPECT_EQ(baked.frameName(), "item_donut_2");
    EXPECT_FLOAT_EQ(bakedTo(kDonut, 20, 25).quality, 0.5f);
    const BakedGood burnt = bakedTo(kDonut, 20, 40);
    EXPECT_FLOAT_EQ(burnt.quality, 0.0f);
    EXPECT_TRUE(burnt.done);
    EXPECT_EQ(burnt.frameName(), "item_donut_4");
    EXPECT_EQ(rawGood(kDonut, 20).frameName(), "item__donut_1");
}

TEST(Oven, EachClockChangeBakesByTheMinutesThatPassed) {
    OvenBaking oven;
    Tray tray = trayOf(kBun, 30, 4);
    EXPECT_FALSE(oven.update(600, &tray));
    EXPECT_TRUE(oven.isBaking());
    EXPECT_TRUE(oven.update(601, &tray));
    EXPECT_FALSE(oven.update(601, &tray));
    EXPECT_TRUE(oven.update(630, &tray)); // a jump bakes by the jump
    for (const BakedGood& good : tray.goods)
        EXPECT_EQ(good.bakedMinutes, 30);
    EXPECT_EQ(oven.effectsStage(), 2);
}

TEST(Oven, ATrayOutOfTheOvenKeepsItsBakedTime) {
    OvenBaking oven;
    Tray tray = trayOf(kBun, 30, 1);
    oven.update(600, &tray);
    oven.update(610, &tray);
    EXPECT_TRUE(oven.update(615, nullptr));
    EXPECT_EQ(oven.effectsStage(), 0);
    EXPECT_FALSE(oven.isBaking());
    EXPECT_EQ(tray.goods[0].bakedMinutes, 10);

    oven.update(700, &tray); // back in an hour later: counting restarts from now
    EXPECT_EQ(oven.elapsedMinutes(), 0);
    oven.update(717, &tray);
    EXPECT_EQ(tray.goods[0].bakedMinutes, 27);
    EXPECT_EQ(tray.goods[0].stage, 1);
    oven.update(718, &tray);
    EXPECT_EQ(tray.goods[0].stage, 2);
}

TEST(Oven, TheClockGoingBackNeverUnbakes) {
    OvenBaking oven;
    Tray tray = trayOf(kBun, 30, 1);
    oven.update(1300, &tray);
    oven.update(1320, &tray);
    oven.update(360, &tray); // the next morning
    EXPECT_EQ(tray.goods[0].bakedMinutes, 20);
    oven.update(365, &tray);
    EXPECT_EQ(tray.goods[0].bakedMinutes, 25);
}

TEST(Oven, BurntGoodsReportHowFarPastBurningTheyAre) {
    OvenBaking oven;
    Tray tray = trayOf(kBaiser, 10, 2);
    oven.update(600, &tray);
    oven.update(640, &tray);
    EXPECT_EQ(oven.effectsStage(), 4);
    EXPECT_EQ(oven.burnAmount(), 25);
}

TEST(ReferencePrice, SumsBasePricesTimesQuality) {
    const std::vector<BakedGood> goods = {bakedTo(kBun, 30, 30), bakedTo(kBread, 60, 80), bakedTo(kDonut, 20, 20)};
    EXPECT_EQ(referencePrice(goods), 75 + 250 + 150);
    EXPECT_EQ(basePrice(kMelonpan), 1000);
    EXPECT_EQ(basePrice(kZwieback), 0);
    EXPECT_EQ(basePrice(42), 0);
}

TEST(ReferencePrice, ABurntGoodSellsForNothing) {
    EXPECT_EQ(referencePrice({bakedTo(kBun, 30, 60)}), 0);
    EXPECT_EQ(referencePrice({bakedTo(kBoule, 45, 46)}), 250);
    EXPECT_EQ(referencePrice({bakedTo(kBun, 30, 34)}), 38); // 37.5 rounds up
}

TEST(MerchantPrice, TwoHundredFlourAndOneEggCost150) {
    EXPECT_EQ(merchantPrice({200, 0, 0, 0, 1, 0}), 150);
    EXPECT_EQ(merchantPrice({0, 500, 20, 300, 0, 0}), 1000 + 1000 + 300);
    EXPECT_EQ(merchantPrice({}), 0);
}

TEST(PopularityGain, QualityTimesLikingScaledByThePrice) {
    Townsman buyer;
    buyer.liking[kBun] = 1.5f;
    const std::vector<BakedGood> buns = {bakedTo(kBun, 30, 30), bakedTo(kBun, 30, 40)};
    EXPECT_FLOAT_EQ(popularityGain(buns, buyer, 113, 113), 1.5f * 1.5f);
    EXPECT_FLOAT_EQ(popularityGain(buns, buyer, 100, 113), 2.0f * 1.5f * 1.5f);
    EXPECT_FLOAT_EQ(popularityGain(buns, buyer, 200, 113), 0.5f * 1.5f * 1.5f);
}

TEST(PopularityGain, ABurntGoodAddsNoPopularity) {
    Townsman buyer;
    buyer.liking.fill(2.0f);
    EXPECT_FLOAT_EQ(popularityGain({bakedTo(kBun, 30, 50)}, buyer, 0, 0), 0.0f);
}
