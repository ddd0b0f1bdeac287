#pragma once
// One step of a customer's little script. When it is done its successor takes its place.
#include <cstdint>
#include <memory>

namespace Lumo {

class AiStep;
using AiStepPtr = std::shared_ptr<AiStep>;

class AiStep {
public:
    virtual ~AiStep() = default;
    virtual void update(uint32_t elapsedMs) = 0;

    bool isDone() const { return done; }
    AiStepPtr successor;

protected:
    bool done = false;
};

} // namespace Lumo
