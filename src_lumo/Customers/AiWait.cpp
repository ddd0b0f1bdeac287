#include "src_lumo/Customers/AiWait.h"

namespace Lumo {

void AiWait::update(uint32_t elapsedMs) {
    if (elapsedMs <= kLongestCountedFrameMs)
        elapsed += elapsedMs;
    done = elapsed > duration;
}

} // namespace Lumo
