#include "src_lumo/Customers/AiWait.h"

#include <algorithm>

namespace Lumo {

void AiWait::update(uint32_t elapsedMs) {
    elapsed += std::min(elapsedMs, kLongestCountedFrameMs);
    done = elapsed > duration;
}

} // namespace Lumo
