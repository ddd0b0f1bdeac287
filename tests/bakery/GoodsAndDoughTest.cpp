// The goods table, dough weight and picture, the discovery rules and the story flags they read.
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

TEST_F(BakeryWorld, OnlyTheUnknownGoodAndTheBunAreUnlockedAtTheStartAndOtherIdsReadUnknown) {
    for (int32_t id = 0; id < GoodsTable::kSlots; ++id)
        EXPECT_EQ(id <= kBun, world.goods.isUnlocked(id)) << id;
    EXPECT_EQ("unknown", world.goods.entry(GoodsTable::kSlots).name);
    EXPECT_EQ("unknown", world.goods.entry(-1).name);
    EXPECT_FALSE(world.goods.unlock(99));
    EXPECT_EQ("GOOD_CROSSAINT", world.goods.labelId(kCrossaint));
    EXPECT_EQ("GOOD_MISSINGO", world.goods.labelId(12));
}

// The sheet's names for every good and stage are held by the shipped-art test.
TEST(GoodPictures, NoStagePastBurntMenuOnlyGoodsOnlyBakedAndSevenDoughLumpsByWeight) {
    EXPECT_EQ("", goodFrameName(kBun, 5));
    for (const int32_t menuOnly : {kZwieback, kMelonpan})
        for (int stage = 1; stage <= 4; ++stage)
            EXPECT_EQ(stage == 2, !goodFrameName(menuOnly, stage).empty()) << menuOnly << " " << stage;
    const std::pair<int32_t, const char*> lumps[] = {{19, "item_dough_1"},  {20, "item_dough_2"},  {99, "item_dough_2"},
                                                     {100, "item_dough_3"}, {250, "item_dough_4"}, {999, "item_dough_5"},
                                                     {1000, "item_dough_6"}, {2500, "item_dough_7"}};
    for (const auto& [weight, picture] : lumps)
        EXPECT_EQ(picture, Dough::pictureForWeight(weight)) << weight;
}

TEST_F(BakeryWorld, DoughWeightCountsAnEggAsFiftyTimesTheBatches) {
    const Dough dough = Dough::fromRecipe(world.goods, kUnknownGood, row(10, 0, 0, 0, 1), 2);
    EXPECT_EQ(120, dough.weight());
    EXPECT_EQ("item_dough_3", dough.pictureName());
    EXPECT_EQ(2 * (10 + 20 + 30 + 40 + 50), Dough::fromRecipe(world.goods, kUnknownGood, row(10, 20, 30, 40, 1), 2).weight());
}

TEST(IngredientStock, HoldsTwoBatchesOnlyWhenEverySlotHasTwiceItsAmount) {
    const IngredientRow perBatch = row(100, 10, 20, 30, 1);
    const IngredientRow twice = row(200, 20, 40, 60, 2);
    EXPECT_TRUE(stockHolds(twice, perBatch, 2));
    EXPECT_FALSE(stockHolds(twice, perBatch, 3));
    for (int slot = kFlour; slot <= kEgg; ++slot) {
        IngredientRow short1 = twice;
        short1[slot] -= 1;
        EXPECT_FALSE(stockHolds(short1, perBatch, 2)) << slot;
    }
}

TEST(Discovery, EachRuleWithItsBordersAndItsTool) {
    const struct {
        IngredientRow perBatch;
        int32_t batches;
        const char* tool;
        int32_t kind;
    } doughs[] = {
        {row(249), 1, "", kUnknownGood},          {row(250), 1, "", kBoule},
        {row(500), 1, "", kBoule},                {row(501), 1, "", kUnknownGood},
        {row(300), 0, "", kUnknownGood},          {row(500), 1, "GOT_BREADBOX", kBread},
        {row(1000), 1, "GOT_BREADBOX", kBread},   {row(499), 1, "GOT_BREADBOX", kBoule},
        {row(1001), 1, "GOT_BREADBOX", kUnknownGood}, {row(0, 0, 50, 0, 1), 1, "", kUnknownGood},
        {row(0, 0, 25, 0, 1), 1, "GOT_FBAG", kBaiser}, {row(0, 0, 24, 0, 1), 1, "GOT_FBAG", kUnknownGood},
        {row(0, 0, 100, 0, 1), 1, "GOT_FBAG", kBaiser}, {row(0, 0, 101, 0, 1), 1, "GOT_FBAG", kUnknownGood},
        {row(0, 0, 50), 1, "GOT_FBAG", kUnknownGood}, {row(30, 30, 0, 30), 1, "", kCrossaint},
        {row(100, 100, 50, 100), 1, "", kCrossaint}, {row(30, 30, 51, 30), 1, "", kUnknownGood},
        {row(29, 30, 0, 30), 1, "", kUnknownGood},  {row(30, 29, 0, 30), 1, "", kUnknownGood},
        {row(30, 30, 0, 29), 1, "", kUnknownGood},  {row(101, 30, 0, 30), 1, "", kUnknownGood},
        {row(30, 101, 0, 30), 1, "", kUnknownGood}, {row(30, 30, 0, 101), 1, "", kUnknownGood},
        {row(30, 30, 0, 30, 1), 1, "", kUnknownGood}, {row(100, 50, 50), 1, "", kDonut}, // the later rule wins
        {row(100, 50, 4), 1, "", kUnknownGood},   {row(20, 10, 5), 1, "", kDonut},
        {row(19, 10, 5), 1, "", kUnknownGood},    {row(20, 9, 5), 1, "", kUnknownGood},
        {row(101, 50, 5), 1, "", kUnknownGood},   {row(100, 51, 5), 1, "", kUnknownGood},
        {row(300, 10), 1, "", kUnknownGood}, // not flour alone
        {row(300, 0, 0, 0, 1), 1, "", kUnknownGood},
    };
    for (const auto& dough : doughs) {
        FlagsAndPopularity story;
        if (*dough.tool)
            story.setFlag(dough.tool, 1.0f);
        EXPECT_EQ(dough.kind, RecipeDiscovery::matchKind(dough.perBatch, dough.batches, story))
            << testing::PrintToString(dough.perBatch) << " x" << dough.batches << " " << dough.tool;
    }
}

TEST(StoryFlags, ReadAsTruncatedIntegersAndOnlyExactlyOneOpensTheBreadRule) {
    FlagsAndPopularity story;
    EXPECT_EQ(0, story.flag("GOT_FBAG"));
    story.setFlag("GOT_FBAG", 0.9f);
    EXPECT_FALSE(story.isSet("GOT_FBAG"));
    story.setFlag("GOT_FBAG", 1.7f);
    EXPECT_EQ(1, story.flag("GOT_FBAG"));
    story.setFlag("GOT_BREADBOX", 2.0f);
    EXPECT_EQ(kBoule, RecipeDiscovery::matchKind(row(500), 1, story));
}

TEST_F(BakeryWorld, KneadingAFreeBouleUnlocksItOnceAndAChosenRecipeKeepsItsKind) {
    Dough dough = Dough::fromRecipe(world.goods, kUnknownGood, row(300), 2);
    const RecipeDiscovery::Result first = RecipeDiscovery::finishKneading(dough, world.goods, world.flagsAndPopularity);
    EXPECT_EQ(kBoule, first.kind);
    EXPECT_TRUE(first.newlyUnlocked);
    EXPECT_TRUE(world.goods.isUnlocked(kBoule));
    EXPECT_EQ(45, dough.bakeMinutes);
    Dough again = Dough::fromRecipe(world.goods, kUnknownGood, row(300), 1);
    EXPECT_FALSE(RecipeDiscovery::finishKneading(again, world.goods, world.flagsAndPopularity).newlyUnlocked);
    Dough bun = Dough::fromRecipe(world.goods, kBun, row(50), 4);
    EXPECT_EQ(kBun, RecipeDiscovery::finishKneading(bun, world.goods, world.flagsAndPopularity).kind);
}

TEST_F(BakeryWorld, AFailedExperimentFillsATrayTheOvenRefuses) {
    Dough lump = Dough::fromRecipe(world.goods, kUnknownGood, row(10), 3);
    RecipeDiscovery::finishKneading(lump, world.goods, world.flagsAndPopularity);
    const Tray tray = Tray::fromDough(lump);
    EXPECT_EQ(3u, tray.goods.size());
    EXPECT_FALSE(tray.fitsInOven());
    const Tray buns = Tray::fromDough(Dough::fromRecipe(world.goods, kBun, row(50), 4));
    EXPECT_EQ(4u, buns.goods.size());
    EXPECT_TRUE(buns.fitsInOven());
    EXPECT_EQ(30, buns.goods[0].targetMinutes);
}
