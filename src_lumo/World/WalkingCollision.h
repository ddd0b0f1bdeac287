#pragma once
// Moves the player's baker through the collision grid. Each axis is tried on its own, so she
// slides along a wall instead of sticking to it; pushed straight into a corner or a door frame
// that blocks only a few units of her, she is nudged sideways towards the opening.
#include "src_lumo/World/CollisionGrid.h"

#include <irrlicht.h>

#include <cstdint>
#include <optional>

namespace Lumo {

class WalkingCollision {
public:
    // A slow frame is walked in steps of at most this length, so that no step jumps a wall; a
    // hitch walks no further than the longest walked frame.
    static constexpr uint32_t kLongestStepMs = 50;
    static constexpr uint32_t kLongestWalkedFrameMs = 1000;
    // How far beside her an opening may lie for a nudge: one cell.
    static constexpr int kNudgeReach = 5;

    explicit WalkingCollision(const CollisionGrid& grid) : grid(grid) {}

    // moveX and moveY are -1, 0 or +1; speed is the sprite's walking speed per 25 ms.
    irr::core::vector3df step(const irr::core::vector3df& position, int moveX, int moveY,
                              uint32_t frameMs, float walkingSpeed) const;

    // Whether the baker standing at (x, z) would overlap a blocked cell.
    bool blocks(float x, float z) const;

private:
    irr::core::vector3df stepOnce(const irr::core::vector3df& position, int moveX, int moveY, float distance) const;
    // One axis of a step: "along" is the axis she walks on, "across" the other one.
    void moveAlong(bool alongX, float& along, float& across, float delta, bool acrossIdle, float distance) const;
    // The sideways shift, within the reach, after which the way ahead is free; none when both
    // sides are equally near (a post dead ahead) or nothing is near.
    std::optional<int> opening(bool alongX, float along, float ahead, float across) const;
    bool blocksAt(bool alongX, float along, float across) const {
        return alongX ? blocks(along, across) : blocks(across, along);
    }

    const CollisionGrid& grid;
};

} // namespace Lumo
