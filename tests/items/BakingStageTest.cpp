#include "src_lumo/Items/BakingStage.h"

#include <gtest/gtest.h>

using Lumo::BakingStage;

namespace {

constexpr int kBaiserMinutes = 10; // the baiser's baking time in the recipe table

TEST(BakingStageTest, BaiserIsReadyAfterMoreThanNineMinutesAndBurntAfterMoreThanFifteen)
{
    EXPECT_EQ(BakingStage::forMinutes(9, kBaiserMinutes), Lumo::STAGE_RAW);
    EXPECT_EQ(BakingStage::forMinutes(10, kBaiserMinutes), Lumo::STAGE_BAKED);
    EXPECT_EQ(BakingStage::forMinutes(11, kBaiserMinutes), Lumo::STAGE_BAKED);
    EXPECT_EQ(BakingStage::forMinutes(12, kBaiserMinutes), Lumo::STAGE_DARK);
    EXPECT_EQ(BakingStage::forMinutes(15, kBaiserMinutes), Lumo::STAGE_DARK);
    EXPECT_EQ(BakingStage::forMinutes(16, kBaiserMinutes), Lumo::STAGE_BURNT);
}

TEST(BakingStageTest, TwentyMinuteGoodChangesAfterEighteenTwentyTwoAndThirty)
{
    EXPECT_EQ(BakingStage::forMinutes(0, 20), Lumo::STAGE_RAW);
    EXPECT_EQ(BakingStage::forMinutes(18, 20), Lumo::STAGE_RAW);
    EXPECT_EQ(BakingStage::forMinutes(19, 20), Lumo::STAGE_BAKED);
    EXPECT_EQ(BakingStage::forMinutes(22, 20), Lumo::STAGE_BAKED);
    EXPECT_EQ(BakingStage::forMinutes(23, 20), Lumo::STAGE_DARK);
    EXPECT_EQ(BakingStage::forMinutes(30, 20), Lumo::STAGE_DARK);
    EXPECT_EQ(BakingStage::forMinutes(31, 20), Lumo::STAGE_BURNT);
}

TEST(BakingStageTest, QualityFallsFromBakedToBurnt)
{
    EXPECT_FLOAT_EQ(BakingStage::qualityOf(Lumo::STAGE_BAKED), 1.f);
    EXPECT_FLOAT_EQ(BakingStage::qualityOf(Lumo::STAGE_DARK), 0.5f);
    EXPECT_FLOAT_EQ(BakingStage::qualityOf(Lumo::STAGE_BURNT), 0.f);
}

TEST(BakingStageTest, FrameNamesFollowTheItemSheet)
{
    EXPECT_EQ(BakingStage::frameName(1, 1), L"item_bun_1");
    EXPECT_EQ(BakingStage::frameName(2, 3), L"item_bigbun_3");
    EXPECT_EQ(BakingStage::frameName(5, 4), L"item_baguette_4");
    EXPECT_EQ(BakingStage::frameName(6, 1), L"item__baiser_1");
    EXPECT_EQ(BakingStage::frameName(7, 1), L"item__donut_1");
    EXPECT_EQ(BakingStage::frameName(7, 2), L"item_donut_2");
    EXPECT_EQ(BakingStage::frameName(0, 2), L"item_unknown");
    EXPECT_EQ(BakingStage::frameName(8, 1), L"item_unknown");
}

} // namespace
