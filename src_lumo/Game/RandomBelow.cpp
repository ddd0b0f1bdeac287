#include "src_lumo/Game/RandomBelow.h"

#include <cstdlib>

namespace Lumo {

int32_t randomBelow(int32_t n) {
    // RAND_MAX is larger than 32767 here; keep the classic 15-bit range the schedule is made for.
    const int64_t draw = std::rand() & 0x7FFF;
    return int32_t(draw * n / 32768);
}

} // namespace Lumo
