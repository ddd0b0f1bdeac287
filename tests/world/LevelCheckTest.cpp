// Checks the shipped world files against every place the game sends somebody. Runs from the
// runtime folder, where the build has put lumodata/.
#include "src_lumo/Items/ShopDropFields.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"
#include "src_lumo/World/WalkingCollision.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>

using Lumo::CollisionGrid;
using Lumo::PathFinder;
using Lumo::WalkingCollision;
using irr::core::vector3df;
using Lumo::LumoVisual;

namespace {

struct Spot {
    const char* what;
    vector3df at;
    float radius;
};

// The three doors of the bakery, each an opening in a wall across z.
struct Door {
    const char* what;
    float x0, x1, wallNear, wallFar;
};

const Door kDoors[] = {
    {"front door", 805, 825, 530, 535}, {"kitchen door", 805, 825, 595, 600}, {"back-room door", 875, 895, 620, 625}};

// Furniture the baker works at, as the level lays it out, and the sides she works it from.
enum Side { SOUTH, NORTH, WEST, EAST };
struct Furniture {
    const char* what;
    const Lumo::InteractionArea& area;
    float x0, z0, x1, z1;
    std::vector<Side> sides;
};

const Furniture kFurniture[] = {
    {"storeroom shelf", LumoVisual::kShelfArea, 860, 680, 885, 700, {SOUTH}},
    {"work table", LumoVisual::kTableArea, 775, 605, 800, 625, {SOUTH, NORTH, EAST}},
    {"counter", LumoVisual::kCounterArea, 770, 560, 860, 570, {NORTH}},
    {"bed", LumoVisual::kBedArea, 925, 645, 958, 668, {SOUTH, WEST}},
};

// Whether the baker at (x, z) stands on that side of the box, facing it, no more than six units
// off: her nine units across (x - 4 to x + 5) or two deep (z - 1 to z + 1) overlap its edge.
bool inFrontOf(const Furniture& f, Side side, float x, float z) {
    constexpr float kDepth = 6;
    const bool acrossX = x + 5 > f.x0 && x - 4 < f.x1;
    const bool acrossZ = z + 1 > f.z0 && z - 1 < f.z1;
    switch (side) {
    case SOUTH: return acrossX && z + 1 <= f.z0 && z + 1 > f.z0 - kDepth;
    case NORTH: return acrossX && z - 1 >= f.z1 && z - 1 < f.z1 + kDepth;
    case WEST: return acrossZ && x + 5 <= f.x0 && x + 5 > f.x0 - kDepth;
    default: return acrossZ && x - 4 >= f.x1 && x - 4 < f.x1 + kDepth;
    }
}

// Every walk the program makes: the postman's round, served customers, the intro and the ending.
const std::pair<const char*, const char*> kWalks[] = {
    {"park", "la_1"}, {"la_1", "sh_2"},   {"sh_2", "bar_1"},  {"bar_1", "park"},  {"sh_2", "park"},
    {"bs_1", "sh_2"}, {"out", "sh_1"},    {"bs_e", "st_e"},   {"bs_e", "st_e2"},  {"st_e", "bs_tab"},
    {"st_e2", "bs_mid"}, {"bs_tab", "bs_of"}, {"bs_1", "sh_1"}, {"sh_1", "park"},
};

} // namespace

class ShippedLevel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(graph.loadGraph(Lumo::kWorldGraphFile));
        ASSERT_TRUE(grid.load(Lumo::kCollisionGridFile));
    }

    // Whether the straight line between two points crosses no blocked cell.
    bool segmentIsFree(const vector3df& from, const vector3df& to) const {
        const float length = from.getDistanceFrom(to);
        const int steps = std::max(1, static_cast<int>(length * 4));
        for (int i = 0; i <= steps; ++i) {
            const vector3df p = from + (to - from) * (static_cast<float>(i) / steps);
            if (grid.isBlocked(static_cast<int>(std::floor(p.X / 5)), static_cast<int>(std::floor(p.Z / 5))))
                return false;
        }
        return true;
    }

    static constexpr int kWidth = CollisionGrid::kColumns * 5;

    // Every whole-unit position the baker can walk to from her start, one unit per move.
    std::vector<bool> reachableFromHerStart() const {
        const int depth = CollisionGrid::kRows * 5;
        std::vector<bool> seen(static_cast<size_t>(kWidth * depth), false);
        std::deque<std::pair<int, int>> queue{{815, 545}};
        seen[545 * kWidth + 815] = true;
        while (!queue.empty()) {
            const auto [x, z] = queue.front();
            queue.pop_front();
            const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& move : moves) {
                const int nx = x + move[0], nz = z + move[1];
                if (nx < 0 || nz < 0 || nx >= kWidth || nz >= depth || seen[nz * kWidth + nx])
                    continue;
                if (walker.blocks(static_cast<float>(nx), static_cast<float>(nz)))
                    continue;
                seen[nz * kWidth + nx] = true;
                queue.push_back({nx, nz});
            }
        }
        return seen;
    }

    // Straight ahead at the baker's own speed, one 25 ms frame at a time; false when she ever stood
    // in a blocked cell on the way.
    bool walkStraight(vector3df& position, int moveY) const {
        for (int frame = 0; frame < 120; ++frame) {
            position = walker.step(position, 0, moveY, 25, LumoVisual::kHeroWalkingSpeed);
            if (walker.blocks(position.X, position.Z))
                return false;
        }
        return true;
    }

    PathFinder graph;
    CollisionGrid grid;
    const WalkingCollision walker{grid};
};

TEST_F(ShippedLevel, EveryWalkFindsAClearRoute) {
    for (const auto& [from, to] : kWalks) {
        const std::vector<Lumo::PathNode*> path = graph.findPath(from, to);
        ASSERT_FALSE(path.empty()) << from << " -> " << to;
        EXPECT_EQ(to, path.front()->name);
        EXPECT_EQ(from, path.back()->name) << from << " -> " << to << " is not connected";
        for (size_t i = 0; i + 1 < path.size(); ++i)
            EXPECT_TRUE(segmentIsFree(path[i]->position, path[i + 1]->position))
                << from << " -> " << to << " crosses a wall between " << path[i + 1]->name << " and "
                << path[i]->name;
    }
}

TEST_F(ShippedLevel, CustomersWalkStraightFromTheDoorToTheirPlaceInTheQueue) {
    const vector3df door(815, 0, 505);
    for (int i = 0; i < 5; ++i) {
        const vector3df place(815, 0, 550.0f - 10.0f * i);
        EXPECT_TRUE(segmentIsFree(door, place)) << "queue place " << i;
        EXPECT_TRUE(segmentIsFree(place, graph.nodePosition("sh_2"))) << "queue place " << i;
    }
}

TEST_F(ShippedLevel, BakerReachesEverySpotFromHerStartButNoFurnitureNorBeyondTheVillage) {
    ASSERT_FALSE(walker.blocks(815, 545));
    ASSERT_FALSE(walker.blocks(825, 605)); // where the intro puts the child
    const std::vector<bool> reachable = reachableFromHerStart();
    auto canReach = [&](auto&& accepts) {
        for (size_t i = 0; i < reachable.size(); ++i)
            if (reachable[i] && accepts(static_cast<float>(i % kWidth), static_cast<float>(i / kWidth)))
                return true;
        return false;
    };
    // Where the baker must be able to act.
    const Spot spots[] = {
        {"storeroom shelf", LumoVisual::kStoreroomShelf, 15}, {"work table", LumoVisual::kWorkTable, 15},
        {"bed", LumoVisual::kBedSpot, 15},                    {"calendar", LumoVisual::kCalendarSpot, 5},
        {"merchant", LumoVisual::kMerchantSpot, 25},          {"bar", LumoVisual::kBarSpot, 25},
        {"first customer", {815, 0, 550}, 25},
    };
    for (const Spot& spot : spots)
        EXPECT_TRUE(canReach([&](float x, float z) { return std::hypot(x - spot.at.X, z - spot.at.Z) < spot.radius; }))
            << spot.what;
    // Items drop five units in front of her, in any of the four directions she can face.
    std::vector<Lumo::ItemDropFieldPtr> fields = Lumo::ShopDropFields::create();
    fields.push_back(std::make_shared<Lumo::ItemDropField>(irr::core::aabbox3df(810, 0, 630, 840, 6, 650),
                                                           std::vector<Lumo::DropPoint>{})); // the oven's
    for (size_t f = 0; f < fields.size(); ++f)
        EXPECT_TRUE(canReach([&](float x, float z) {
            for (const vector3df front : {vector3df(x, 0, z + 5), vector3df(x, 0, z - 5), vector3df(x - 5, 0, z),
                                          vector3df(x + 5, 0, z)})
                if (fields[f]->covers(front))
                    return true;
            return false;
        })) << "drop field " << f;
    const Spot inside[] = {{"oven", {825, 0, 640}, 0},          {"work table", {787, 0, 615}, 0},
                           {"counter", {815, 0, 565}, 0},       {"bed", {940, 0, 656}, 0},
                           {"bar counter", {640, 0, 341}, 0},   {"merchant table", {695, 0, 665}, 0},
                           {"storage shelf", {870, 0, 690}, 0}, {"past the hedge", {490, 0, 450}, 0},
                           {"pantry", {800, 0, 680}, 0}};
    for (const Spot& spot : inside)
        EXPECT_FALSE(reachable[static_cast<int>(spot.at.Z) * kWidth + static_cast<int>(spot.at.X)]) << spot.what;
}

TEST_F(ShippedLevel, BakerWalkingIntoADoorFrameSlipsThroughButNotThroughTheWall) {
    for (const Door& door : kDoors) {
        for (const int moveY : {1, -1}) {
            const float before = moveY > 0 ? door.wallNear - 6 : door.wallFar + 6;
            // A little beside the opening, so the frame blocks a few units of her on either side.
            for (const float x : {door.x0 + 1, door.x1 - 1}) {
                vector3df position(x, 0, before);
                ASSERT_FALSE(walker.blocks(position.X, position.Z)) << door.what;
                EXPECT_TRUE(walkStraight(position, moveY)) << door.what;
                EXPECT_TRUE(moveY > 0 ? position.Z > door.wallFar : position.Z < door.wallNear)
                    << door.what << " from x " << x << (moveY > 0 ? " going up" : " going down");
            }
            // Well beside the opening there is only wall.
            vector3df position(door.x1 + 12, 0, before);
            ASSERT_FALSE(walker.blocks(position.X, position.Z)) << door.what;
            walkStraight(position, moveY);
            EXPECT_TRUE(moveY > 0 ? position.Z < door.wallNear : position.Z > door.wallFar)
                << "through the wall beside the " << door.what;
        }
    }
}

TEST_F(ShippedLevel, BakerActsFromAnywhereInFrontOfTheFurnitureSheWorksAt) {
    const std::vector<bool> reachable = reachableFromHerStart();
    for (const Furniture& furniture : kFurniture) {
        for (const Side side : furniture.sides) {
            int places = 0;
            for (int z = static_cast<int>(furniture.z0) - 12; z <= furniture.z1 + 12; ++z) {
                for (int x = static_cast<int>(furniture.x0) - 14; x <= furniture.x1 + 14; ++x) {
                    if (!reachable[z * kWidth + x] || !inFrontOf(furniture, side, x, z))
                        continue;
                    ++places;
                    EXPECT_TRUE(furniture.area.contains(vector3df(x, 0, z)))
                        << furniture.what << " does nothing for the baker at " << x << ", " << z;
                }
            }
            EXPECT_GT(places, 0) << furniture.what << ": no side " << side << " to stand at";
        }
    }
}
