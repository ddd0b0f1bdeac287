#include "src_lumo/World/WalkingCollision.h"

#include <gtest/gtest.h>

using Lumo::CollisionGrid;
using Lumo::WalkingCollision;
using irr::core::vector3df;

class Walking : public ::testing::Test {
protected:
    // Frames of 25 ms at one unit per frame, holding the arrow keys (moveX, moveY).
    vector3df walk(vector3df position, int moveX, int moveY, int frames) {
        for (int frame = 0; frame < frames; ++frame)
            position = walker.step(position, moveX, moveY, 25, 1.0f);
        return position;
    }
    // A wall across x at row `row`, with an opening at columns [20, 24) when `opening`.
    void wallAcrossX(int row, bool opening) {
        for (int c = 0; c < CollisionGrid::kColumns; ++c)
            if (!opening || c < 20 || c >= 24)
                grid.setCell(c, row, 1);
    }
    CollisionGrid grid;
    WalkingCollision walker{grid};
};

TEST_F(Walking, FreeFloorMovesByFrameTimeAndSpeed) {
    EXPECT_EQ(vector3df(102, 0, 98), walker.step({100, 0, 100}, 1, -1, 25, 2.0f));
    EXPECT_NEAR(100.04f, walker.step({100, 0, 100}, 1, 0, 1, 1.0f).X, 1e-4f) << "a one-millisecond frame walks";
    EXPECT_NEAR(102.04f, walker.step({100, 0, 100}, 1, 0, 51, 1.0f).X, 1e-4f) << "and so does a frame's last step";
}

TEST_F(Walking, ASlowFrameIsWalkedInStepsThatStillStopAtWalls) {
    vector3df fast(100, 0, 100);
    for (int frame = 0; frame < 4; ++frame)
        fast = walker.step(fast, 1, 1, 50, 1.0f);
    const vector3df slow = walker.step({100, 0, 100}, 1, 1, 200, 1.0f);
    EXPECT_FLOAT_EQ(fast.X, slow.X) << "five frames a second walk as far as twenty";
    EXPECT_FLOAT_EQ(fast.Z, slow.Z);
    // A hitch of a minute walks no further than one of a few seconds.
    const vector3df hitch = walker.step({100, 0, 100}, 1, 0, 60000, 1.0f);
    EXPECT_GT(hitch.X, 100.0f);
    EXPECT_LT(hitch.X, 300.0f);

    for (int r = 0; r < CollisionGrid::kRows; ++r)
        grid.setCell(22, r, 1); // a wall along z at x in [110, 115)
    const vector3df stopped = walker.step({100, 0, 100}, 1, 0, 1000, 1.0f);
    EXPECT_GT(stopped.X, 100.0f);
    EXPECT_LT(stopped.X, 110.0f) << "a second's hitch carried her through the wall";
}

TEST_F(Walking, SquareTouchingOnlyAtAnEdgeDoesNotBlock) {
    grid.setCell(3, 20, 1); // [15, 20) x [100, 105)
    EXPECT_FALSE(walker.blocks(24.0f, 101.0f)); // left edge 20 touches the square's right edge
    EXPECT_TRUE(walker.blocks(23.9f, 101.0f));
    grid.setCell(10, 30, 1); // [50, 55) x [150, 155)
    EXPECT_FALSE(walker.blocks(47.0f, 149.0f)); // far edge 150 touches the square's near edge
    EXPECT_TRUE(walker.blocks(47.0f, 149.5f) || walker.blocks(47.0f, 150.0f));
    grid.setCell(6, 20, 1); // [30, 35) x [100, 105)
    EXPECT_FALSE(walker.blocks(25.0f, 101.0f)); // right edge 30 touches the square's left edge
    EXPECT_FALSE(walker.blocks(32.0f, 106.0f)); // near edge 105 touches the square's far edge
    EXPECT_TRUE(walker.blocks(32.0f, 105.9f));
}

TEST_F(Walking, AWallStopsOnlyTheBlockedAxisSoSheSlidesAlongIt) {
    wallAcrossX(40, false); // z in [200, 205)
    const vector3df slid = walk({100, 0, 195}, 1, 1, 20);
    EXPECT_FLOAT_EQ(120.0f, slid.X);
    EXPECT_LT(slid.Z, 200.0f);
    EXPECT_GE(slid.Z, 198.0f);
    for (int r = 0; r < CollisionGrid::kRows; ++r)
        grid.setCell(30, r, 1); // a wall along z at x in [150, 155)
    EXPECT_FLOAT_EQ(142.0f, walker.step({140, 0, 100}, 1, 1, 25, 2.0f).X);
    EXPECT_EQ(vector3df(145.5f, 0, 102), walker.step({145.5f, 0, 100}, 1, 1, 25, 2.0f));
}

TEST_F(Walking, EdgesOfTheGridBlock) {
    const vector3df low = walk({6, 0, 3}, -1, -1, 20);
    EXPECT_GE(low.X, 4.0f);
    EXPECT_GE(low.Z, 1.0f);
    const vector3df high = walk({1190, 0, 996}, 1, 1, 20);
    EXPECT_LE(high.X, 1195.0f);
    EXPECT_LE(high.Z, 999.0f);
}

TEST_F(Walking, PushedIntoTheEdgeOfAnOpeningSheIsNudgedThroughIt) {
    wallAcrossX(40, true); // z [200, 205), opening at x [100, 120)
    // The frame covers five units of her left side, as far as a nudge reaches: she slides right, then walks on.
    vector3df position(99, 0, 195);
    for (int frame = 0; frame < 40; ++frame) {
        position = walk(position, 0, 1, 1);
        ASSERT_FALSE(walker.blocks(position.X, position.Z)) << "frame " << frame;
    }
    EXPECT_GT(position.Z, 206.0f);
    EXPECT_GE(position.X, 104.0f);
    // Six units into the frame is more than a nudge: she stays before the wall.
    position = walk({98, 0, 195}, 0, 1, 40);
    EXPECT_LT(position.Z, 200.0f);
    EXPECT_FLOAT_EQ(98.0f, position.X);
}

TEST_F(Walking, ANudgeDoesNotSlipPastWhatStandsBesideHer) {
    wallAcrossX(40, true); // z [200, 205), opening at x [100, 120)
    grid.setCell(21, 39, 1); // a post at x [105, 110), z [195, 200), on the way to the opening
    const vector3df position = walk({99, 0, 195}, 0, 1, 40);
    EXPECT_FLOAT_EQ(99.0f, position.X);
    EXPECT_LT(position.Z, 200.0f);
}

TEST_F(Walking, PushedSidewaysIntoTheEdgeOfAnOpeningSheIsNudgedThroughItToo) {
    for (int r = 0; r < CollisionGrid::kRows; ++r)
        if (r < 40 || r >= 44)
            grid.setCell(30, r, 1); // x [150, 155), opening at z [200, 220)
    const vector3df position = walk({140, 0, 199}, 1, 0, 40);
    EXPECT_GT(position.X, 159.0f);
    EXPECT_GE(position.Z, 201.0f);
}

TEST_F(Walking, APostDeadAheadOrTwoArrowsHeldGetNoNudge) {
    grid.setCell(20, 40, 1); // a post at x [100, 105), z [200, 205)
    const vector3df position = walk({102, 0, 195}, 0, 1, 40);
    EXPECT_FLOAT_EQ(102.0f, position.X);
    EXPECT_LT(position.Z, 200.0f);
    wallAcrossX(50, true); // z [250, 255), opening at x [100, 120)
    EXPECT_EQ(vector3df(120, 0, 249), walker.step({121, 0, 249}, -1, 1, 25, 1.0f));
}
