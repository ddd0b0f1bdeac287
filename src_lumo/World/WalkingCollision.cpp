#include "src_lumo/World/WalkingCollision.h"

#include <algorithm>

namespace Lumo {

namespace {

// The baker's footprint in whole world units: wide, but only two units deep.
struct Footprint {
    int left, right, nearZ, farZ;
};

bool overlaps(const Footprint& feet, int column, int row) {
    const int size = CollisionGrid::kCellSize;
    return size * row + size > feet.nearZ && size * row < feet.farZ &&
           size * column + size > feet.left && size * column < feet.right;
}

} // namespace

bool WalkingCollision::blocks(float x, float z) const {
    const Footprint feet{static_cast<int>(x - 4.0f), static_cast<int>(x + 5.0f),
                         static_cast<int>(z - 1.0f), static_cast<int>(z + 1.0f)};
    const int c = static_cast<int>(x / CollisionGrid::kCellSize);
    const int r = static_cast<int>(z / CollisionGrid::kCellSize);
    const int tested[5][2] = {{c, r}, {c, r + 1}, {c + 1, r}, {c - 1, r}, {c, r - 1}};
    for (const auto& cell : tested)
        if (grid.isBlocked(cell[0], cell[1]) && overlaps(feet, cell[0], cell[1]))
            return true;
    return false;
}

irr::core::vector3df WalkingCollision::step(const irr::core::vector3df& position, int moveX, int moveY,
                                            uint32_t frameMs, float walkingSpeed) const {
    irr::core::vector3df moved = position;
    for (uint32_t left = std::min(frameMs, kLongestWalkedFrameMs); left > 0;) {
        const uint32_t stepMs = std::min(left, kLongestStepMs);
        moved = stepOnce(moved, moveX, moveY, (static_cast<float>(stepMs) / 25.0f) * walkingSpeed);
        left -= stepMs;
    }
    return moved;
}

irr::core::vector3df WalkingCollision::stepOnce(const irr::core::vector3df& position, int moveX, int moveY,
                                                float distance) const {
    irr::core::vector3df moved = position;
    moveAlong(true, moved.X, moved.Z, moveX * distance, moveY == 0, distance);
    moveAlong(false, moved.Z, moved.X, moveY * distance, moveX == 0, distance);
    return moved;
}

void WalkingCollision::moveAlong(bool alongX, float& along, float& across, float delta, bool acrossIdle,
                                 float distance) const {
    if (delta == 0.0f)
        return;
    if (!blocksAt(alongX, along + delta, across)) {
        along += delta;
        return;
    }
    // A player who holds two arrows steers herself; only a straight push is helped.
    if (!acrossIdle)
        return;
    const std::optional<int> shift = opening(alongX, along, along + delta, across);
    if (!shift)
        return;
    const float nudged = across + std::clamp(static_cast<float>(*shift), -distance, distance);
    if (!blocksAt(alongX, along, nudged))
        across = nudged;
}

std::optional<int> WalkingCollision::opening(bool alongX, float along, float ahead, float across) const {
    // Whole units are enough: the footprint is truncated to them, so nothing lies between.
    bool sideClear[2] = {true, true};
    for (int distance = 1; distance <= kNudgeReach; ++distance) {
        bool open[2] = {false, false};
        for (int side = 0; side < 2; ++side) {
            const float shifted = across + (side == 0 ? -distance : distance);
            sideClear[side] = sideClear[side] && !blocksAt(alongX, along, shifted);
            open[side] = sideClear[side] && !blocksAt(alongX, ahead, shifted);
        }
        if (open[0] && open[1])
            return std::nullopt;
        if (open[0] || open[1])
            return open[0] ? -distance : distance;
    }
    return std::nullopt;
}

} // namespace Lumo
