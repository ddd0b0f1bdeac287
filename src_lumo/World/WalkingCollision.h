#pragma once
// Moves the player's baker through the collision grid. Each axis is tried on its own, so she
// slides along a wall instead of sticking to it.
#include "src_lumo/World/CollisionGrid.h"

#include <irrlicht.h>

#include <cstdint>

namespace Lumo {

class WalkingCollision {
public:
    static constexpr uint32_t kLongestMovingFrameMs = 50;

    explicit WalkingCollision(const CollisionGrid& grid) : grid(grid) {}

    // moveX and moveY are -1, 0 or +1; speed is the sprite's walking speed per 25 ms.
    irr::core::vector3df step(const irr::core::vector3df& position, int moveX, int moveY,
                              uint32_t frameMs, float walkingSpeed) const;

    // Whether the baker standing at (x, z) would overlap a blocked cell.
    bool blocks(float x, float z) const;

private:
    const CollisionGrid& grid;
};

} // namespace Lumo
