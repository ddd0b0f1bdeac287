#pragma once
// Moves the player's baker through the collision grid. Each axis is tried on its own, so she
// slides along a wall instead of sticking to it.
#include "src_lumo/World/CollisionGrid.h"

#include <irrlicht.h>

#include <cstdint>

namespace Lumo {

class WalkingCollision {
public:
    // A slow frame is walked in steps of at most this length, so that no step jumps a wall; a
    // hitch walks no further than the longest walked frame.
    static constexpr uint32_t kLongestStepMs = 50;
    static constexpr uint32_t kLongestWalkedFrameMs = 1000;

    explicit WalkingCollision(const CollisionGrid& grid) : grid(grid) {}

    // moveX and moveY are -1, 0 or +1; speed is the sprite's walking speed per 25 ms.
    irr::core::vector3df step(const irr::core::vector3df& position, int moveX, int moveY,
                              uint32_t frameMs, float walkingSpeed) const;

    // Whether the baker standing at (x, z) would overlap a blocked cell.
    bool blocks(float x, float z) const;

private:
    irr::core::vector3df stepOnce(const irr::core::vector3df& position, int moveX, int moveY, float distance) const;

    const CollisionGrid& grid;
};

} // namespace Lumo
