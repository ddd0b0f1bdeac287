#pragma once
// Waits a number of milliseconds. Long frames (loading, a stall) do not count, so a customer
// never skips its pause.
#include "src_lumo/Customers/AiStep.h"

namespace Lumo {

class AiWait : public AiStep {
public:
    explicit AiWait(uint32_t durationMs) : duration(durationMs) {}
    void update(uint32_t elapsedMs) override;

private:
    static constexpr uint32_t kLongestCountedFrameMs = 10;
    uint32_t duration;
    uint32_t elapsed = 0;
};

} // namespace Lumo
