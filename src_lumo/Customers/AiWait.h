#pragma once
// Waits a number of milliseconds of game time, the same at every frame rate. A stalled frame
// (loading, a hiccup) counts no more than a slow machine's frame, so a customer never skips its pause.
#include "src_lumo/Customers/AiStep.h"

namespace Lumo {

class AiWait : public AiStep {
public:
    explicit AiWait(uint32_t durationMs) : duration(durationMs) {}
    void update(uint32_t elapsedMs) override;

private:
    static constexpr uint32_t kLongestCountedFrameMs = 100;
    uint32_t duration;
    uint32_t elapsed = 0;
};

} // namespace Lumo
