// The world's starting values and how story flags read.
#include "src_lumo/Bakery/RecipeDiscovery.h"
#include "src_lumo/Game/WorldState.h"

#include <gtest/gtest.h>

using namespace Lumo;

TEST(WorldStateStart, ANewWorldBeginsBeforeDayOneWith500FlourAnd500Money) {
    const WorldState world;
    EXPECT_EQ(world.weekday, -1);
    EXPECT_EQ(world.day, 0);
    EXPECT_EQ(world.money, 500);
    EXPECT_EQ(world.storeroomStock, (IngredientRow{500, 0, 0, 0, 0, 0}));
    EXPECT_EQ(world.tableStock, IngredientRow{});
    EXPECT_EQ(world.minuteOfDay, 300);
    EXPECT_EQ(world.clockMs, 0);
    EXPECT_FLOAT_EQ(world.flagsAndPopularity.popularity, 4.0f);
    ASSERT_NE(world.customers, nullptr);
    EXPECT_TRUE(world.customers->schedule().empty());
}

TEST(StoryFlags, ReadAsTruncatedIntegersAndMissingReadsZero) {
    FlagsAndPopularity story;
    EXPECT_EQ(story.flag("GOT_FBAG"), 0);
    EXPECT_FALSE(story.isSet("GOT_FBAG"));
    story.setFlag("GOT_FBAG", 0.9f);
    EXPECT_FALSE(story.isSet("GOT_FBAG"));
    story.setFlag("GOT_FBAG", 1.7f);
    EXPECT_EQ(story.flag("GOT_FBAG"), 1);
}

TEST(StoryFlags, OnlyAFlagReadingExactlyOneOpensTheBreadRule) {
    FlagsAndPopularity story;
    const IngredientRow flour500 = {500, 0, 0, 0, 0, 0};
    story.setFlag("GOT_BREADBOX", 2.0f);
    EXPECT_EQ(RecipeDiscovery::matchKind(flour500, 1, story), kBoule);
    story.setFlag("GOT_BREADBOX", 1.0f);
    EXPECT_EQ(RecipeDiscovery::matchKind(flour500, 1, story), kBread);
}

TEST(PathGraph, AMissingGraphFileIsRefusedAndLeavesTheGraphEmpty) {
    CustomerManager town;
    EXPECT_FALSE(town.loadPathGraph("no/such/worldp.txt"));
    EXPECT_TRUE(town.pathFinder()->getNodes().empty());
}
