#pragma once
// The game's one way of drawing a random number: floor(rand() x n / 32768) on the standard
// generator, so that a seeded run replays the same town and the same title screen.
#include <cstdint>

namespace Lumo {

int32_t randomBelow(int32_t n);

} // namespace Lumo
