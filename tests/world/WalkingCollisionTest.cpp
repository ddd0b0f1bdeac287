#include "src_lumo/World/WalkingCollision.h"

#include <gtest/gtest.h>

using Lumo::CollisionGrid;
using Lumo::WalkingCollision;
using irr::core::vector3df;

class Walking : public ::testing::Test {
protected:
    CollisionGrid grid;
    WalkingCollision walker{grid};
    static constexpr float kSpeed = 1.0f;
};

TEST_F(Walking, FreeFloorMovesByFrameTimeAndSpeed) {
    const vector3df moved = walker.step({100, 0, 100}, 1, -1, 25, 2.0f);
    EXPECT_FLOAT_EQ(102.0f, moved.X);
    EXPECT_FLOAT_EQ(98.0f, moved.Z);
}

TEST_F(Walking, ASlowFrameIsWalkedInStepsThatStillStopAtWalls) {
    vector3df fast(100, 0, 100);
    for (int frame = 0; frame < 4; ++frame)
        fast = walker.step(fast, 1, 1, 50, kSpeed);
    const vector3df slow = walker.step({100, 0, 100}, 1, 1, 200, kSpeed);
    EXPECT_FLOAT_EQ(fast.X, slow.X) << "five frames a second walk as far as twenty";
    EXPECT_FLOAT_EQ(fast.Z, slow.Z);

    for (int r = 0; r < CollisionGrid::kRows; ++r)
        grid.setCell(22, r, 1); // a wall along z at x in [110, 115)
    const vector3df stopped = walker.step({100, 0, 100}, 1, 0, 1000, kSpeed);
    EXPECT_GT(stopped.X, 100.0f);
    EXPECT_LT(stopped.X, 110.0f) << "a second's hitch carried her through the wall";

    // A hitch of a minute walks no further than one of a few seconds.
    grid.clear();
    const vector3df hitch = walker.step({100, 0, 100}, 1, 0, 60000, kSpeed);
    EXPECT_GT(hitch.X, 100.0f);
    EXPECT_LT(hitch.X, 300.0f);
}

TEST_F(Walking, SquareTouchingOnlyAtAnEdgeDoesNotBlock) {
    grid.setCell(3, 20, 1); // [15, 20) x [100, 105)
    EXPECT_FALSE(walker.blocks(24.0f, 101.0f)); // left edge 20 touches the square's right edge
    EXPECT_TRUE(walker.blocks(23.9f, 101.0f));
    grid.setCell(10, 30, 1); // [50, 55) x [150, 155)
    EXPECT_FALSE(walker.blocks(47.0f, 149.0f)); // far edge 150 touches the square's near edge
    EXPECT_TRUE(walker.blocks(47.0f, 149.5f) || walker.blocks(47.0f, 150.0f));
}

TEST_F(Walking, SlidesAlongAWallInsteadOfStopping) {
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        grid.setCell(c, 40, 1); // a wall along x at z in [200, 205)
    vector3df position(100, 0, 195);
    for (int frame = 0; frame < 20; ++frame)
        position = walker.step(position, 1, 1, 25, kSpeed);
    EXPECT_FLOAT_EQ(120.0f, position.X);
    EXPECT_LT(position.Z, 200.0f);
    EXPECT_GE(position.Z, 198.0f);
}

TEST_F(Walking, WallStopsOnlyTheBlockedAxis) {
    for (int r = 0; r < CollisionGrid::kRows; ++r)
        grid.setCell(30, r, 1); // a wall along z at x in [150, 155)
    const vector3df moved = walker.step({140, 0, 100}, 1, 1, 25, 2.0f);
    EXPECT_FLOAT_EQ(142.0f, moved.X);
    const vector3df stopped = walker.step({145.5f, 0, 100}, 1, 1, 25, 2.0f);
    EXPECT_FLOAT_EQ(145.5f, stopped.X);
    EXPECT_FLOAT_EQ(102.0f, stopped.Z);
}

TEST_F(Walking, EdgesOfTheGridBlock) {
    vector3df position(6, 0, 3);
    for (int frame = 0; frame < 20; ++frame)
        position = walker.step(position, -1, -1, 25, kSpeed);
    EXPECT_GE(position.X, 4.0f);
    EXPECT_GE(position.Z, 1.0f);
    position = {1190, 0, 996};
    for (int frame = 0; frame < 20; ++frame)
        position = walker.step(position, 1, 1, 25, kSpeed);
    EXPECT_LE(position.X, 1195.0f);
    EXPECT_LE(position.Z, 999.0f);
}

TEST_F(Walking, PushedIntoTheEdgeOfAnOpeningSheIsNudgedThroughIt) {
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        if (c < 20 || c >= 24)
            grid.setCell(c, 40, 1); // a wall at z [200, 205) with an opening at x [100, 120)
    // The frame covers three units of her left side: she slides right, then walks on.
    vector3df position(101, 0, 195);
    for (int frame = 0; frame < 40; ++frame) {
        position = walker.step(position, 0, 1, 25, kSpeed);
        ASSERT_FALSE(walker.blocks(position.X, position.Z)) << "frame " << frame;
    }
    EXPECT_GT(position.Z, 206.0f);
    EXPECT_GE(position.X, 104.0f);

    // Six units into the frame is more than a nudge: she stays before the wall.
    position = vector3df(98, 0, 195);
    for (int frame = 0; frame < 40; ++frame)
        position = walker.step(position, 0, 1, 25, kSpeed);
    EXPECT_LT(position.Z, 200.0f);
    EXPECT_FLOAT_EQ(98.0f, position.X);
}

TEST_F(Walking, APostDeadAheadOrTwoArrowsHeldGetNoNudge) {
    grid.setCell(20, 40, 1); // a post at x [100, 105), z [200, 205)
    vector3df position(102, 0, 195);
    for (int frame = 0; frame < 40; ++frame)
        position = walker.step(position, 0, 1, 25, kSpeed);
    EXPECT_FLOAT_EQ(102.0f, position.X);
    EXPECT_LT(position.Z, 200.0f);

    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        if (c < 20 || c >= 24)
            grid.setCell(c, 50, 1); // a wall at z [250, 255), opening at x [100, 120)
    const vector3df moved = walker.step({121, 0, 249}, -1, 1, 25, kSpeed);
    EXPECT_FLOAT_EQ(120.0f, moved.X);
    EXPECT_FLOAT_EQ(249.0f, moved.Z);
}
