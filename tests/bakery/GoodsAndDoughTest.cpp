// The goods table, dough weight and picture, and the discovery rules.
#include "BakeryTestWorld.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Bakery/RecipeDiscovery.h"
#include "src_lumo/Bakery/Tray.h"

using namespace Lumo;
using BakeryTest::BakeryWorld;

namespace {

IngredientRow row(int32_t flour, int32_t butter = 0, int32_t sugar = 0, int32_t milk = 0, int32_t eggs = 0) {
    return {flour, butter, sugar, milk, eggs, 0};
}

} // namespace

using GoodsTableTest = BakeryWorld;

TEST_F(GoodsTableTest, OnlyTheUnknownGoodAndTheBunAreUnlockedAtTheStart) {
    for (int32_t id = 0; id < GoodsTable::kSlots; ++id)
        EXPECT_EQ(world.goods.isUnlocked(id), id <= kBun) << world.goods.entry(id).name;
}

TEST_F(GoodsTableTest, AnIdOutsideTheTableReadsTheUnknownGood) {
    EXPECT_EQ(world.goods.entry(15).name, "unknown");
    EXPECT_EQ(world.goods.entry(-1).name, "unknown");
    EXPECT_FALSE(world.goods.unlock(99));
}

TEST_F(GoodsTableTest, LabelIdsAreTheNamesInCapitals) {
    EXPECT_EQ(world.goods.labelId(kCrossaint), "GOOD_CROSSAINT");
    EXPECT_EQ(world.goods.labelId(12), "GOOD_MISSINGO");
}

TEST(GoodFrames, StageIdsWithTheTwoDoubleUnderscores) {
    EXPECT_EQ(goodFrameName(kBoule, 2), "item_bigbun_2");
    EXPECT_EQ(goodFrameName(kBaiser, 1), "item__baiser_1");
    EXPECT_EQ(goodFrameName(kDonut, 1), "item__donut_1");
    EXPECT_EQ(goodFrameName(kDonut, 4), "item_donut_4");
    EXPECT_EQ(goodFrameName(kMelonpan, 2), "item_melonpan_2");
    EXPECT_EQ(goodFrameName(kMelonpan, 1), "");
    EXPECT_EQ(goodFrameName(kBun, 5), "");
}

TEST(DoughPicture, TheBordersOfTheSevenLumps) {
    EXPECT_EQ(Dough::pictureForWeight(19), "item_dough_1");
    EXPECT_EQ(Dough::pictureForWeight(20), "item_dough_2");
    EXPECT_EQ(Dough::pictureForWeight(99), "item_dough_2");
    EXPECT_EQ(Dough::pictureForWeight(100), "item_dough_3");
    EXPECT_EQ(Dough::pictureForWeight(250), "item_dough_4");
    EXPECT_EQ(Dough::pictureForWeight(999), "item_dough_5");
    EXPECT_EQ(Dough::pictureForWeight(1000), "item_dough_6");
    EXPECT_EQ(Dough::pictureForWeight(2500), "item_dough_7");
}

TEST_F(GoodsTableTest, DoughWeightCountsAnEggAsFiftyAndMultipliesByBatches) {
    const Dough dough = Dough::fromRecipe(world.goods, kUnknownGood, row(10, 0, 0, 0, 1), 2);
    EXPECT_EQ(dough.weight(), 120);
    EXPECT_EQ(dough.pictureName(), "item_dough_3");
    const Dough nineteen = Dough::fromRecipe(world.goods, kUnknownGood, row(0, 0, 19), 1);
    EXPECT_EQ(nineteen.pictureName(), "item_dough_1");
    const Dough twenty = Dough::fromRecipe(world.goods, kUnknownGood, row(0, 0, 20), 1);
    EXPECT_EQ(twenty.pictureName(), "item_dough_2");
}

TEST_F(GoodsTableTest, AChosenRecipeBakesForItsOwnTime) {
    EXPECT_EQ(Dough::fromRecipe(world.goods, kBread, row(500), 1).bakeMinutes, 60);
    EXPECT_EQ(Dough::fromRecipe(world.goods, kBaiser, row(0, 0, 50), 1).bakeMinutes, 10);
}

class DiscoveryTest : public BakeryWorld {
protected:
    int32_t kindOf(const IngredientRow& perBatch, int32_t batches = 1) {
        return RecipeDiscovery::matchKind(perBatch, batches, world.flagsAndPopularity);
    }
};

TEST_F(DiscoveryTest, FlourAloneMakesABouleFrom250To500) {
    EXPECT_EQ(kindOf(row(240)), kUnknownGood);
    EXPECT_EQ(kindOf(row(250)), kBoule);
    EXPECT_EQ(kindOf(row(500)), kBoule);
    EXPECT_EQ(kindOf(row(510)), kUnknownGood);
}

TEST_F(DiscoveryTest, FlourExactly500WithTheLoafPanGivesBread) {
    world.flagsAndPopularity.setFlag("GOT_BREADBOX", 1.0f);
    EXPECT_EQ(kindOf(row(500)), kBread);
    EXPECT_EQ(kindOf(row(1000)), kBread);
    EXPECT_EQ(kindOf(row(490)), kBoule);
    EXPECT_EQ(kindOf(row(1010)), kUnknownGood);
}

TEST_F(DiscoveryTest, BaiserNeedsThePipingBagAnEggAndNoFlour) {
    EXPECT_EQ(kindOf(row(0, 0, 50, 0, 1)), kUnknownGood);
    world.flagsAndPopularity.setFlag("GOT_FBAG", 1.0f);
    EXPECT_EQ(kindOf(row(0, 0, 50, 0, 1)), kBaiser);
    EXPECT_EQ(kindOf(row(0, 0, 20, 0, 1)), kUnknownGood);
    EXPECT_EQ(kindOf(row(0, 0, 50, 0, 0)), kUnknownGood);
}

TEST_F(DiscoveryTest, CrossaintAndDonutTheLaterRuleWinning) {
    EXPECT_EQ(kindOf(row(30, 30, 0, 30)), kCrossaint);
    EXPECT_EQ(kindOf(row(30, 30, 0, 30, 1)), kUnknownGood);
    EXPECT_EQ(kindOf(row(100, 50, 50)), kDonut);
    EXPECT_EQ(kindOf(row(100, 50, 4)), kUnknownGood);
}

TEST_F(DiscoveryTest, NoBatchesTestNothing) { EXPECT_EQ(kindOf(row(300), 0), kUnknownGood); }

TEST_F(DiscoveryTest, KneadingAFreeBouleUnlocksItOnceAndSetsItsTime) {
    Dough dough = Dough::fromRecipe(world.goods, kUnknownGood, row(300), 2);
    const RecipeDiscovery::Result first = RecipeDiscovery::finishKneading(dough, world.goods, world.flagsAndPopularity);
    EXPECT_EQ(first.kind, kBoule);
    EXPECT_TRUE(first.newlyUnlocked);
    EXPECT_TRUE(world.goods.isUnlocked(kBoule));
    EXPECT_EQ(dough.bakeMinutes, 45);

    Dough again = Dough::fromRecipe(world.goods, kUnknownGood, row(300), 1);
    EXPECT_FALSE(RecipeDiscovery::finishKneading(again, world.goods, world.flagsAndPopularity).newlyUnlocked);
}

TEST_F(DiscoveryTest, AChosenRecipeKeepsItsKindWhateverItsAmounts) {
    Dough bun = Dough::fromRecipe(world.goods, kBun, row(50), 4);
    EXPECT_EQ(RecipeDiscovery::finishKneading(bun, world.goods, world.flagsAndPopularity).kind, kBun);
}

TEST_F(DiscoveryTest, AFailedExperimentFillsATrayTheOvenRefuses) {
    Dough lump = Dough::fromRecipe(world.goods, kUnknownGood, row(10), 3);
    RecipeDiscovery::finishKneading(lump, world.goods, world.flagsAndPopularity);
    const Tray tray = Tray::fromDough(lump);
    EXPECT_EQ(tray.goods.size(), 3u);
    EXPECT_FALSE(tray.fitsInOven());

    Dough buns = Dough::fromRecipe(world.goods, kBun, row(50), 4);
    const Tray bunTray = Tray::fromDough(buns);
    EXPECT_EQ(bunTray.goods.size(), 4u);
    EXPECT_TRUE(bunTray.fitsInOven());
    EXPECT_EQ(bunTray.goods[0].targetMinutes, 30);
}
