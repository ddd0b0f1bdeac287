#pragma once
// Builds a sequence of processes that run strictly one after another, then starts it on the
// device's process list. Reusable: Launch leaves it empty for the next chain.
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Processes/Process.h"

namespace TovarWorks {

class ProcessChain {
public:
    // Empty pointers are skipped: there is nothing to run, and nothing could follow them.
    void AddProcess(const ProcessPtr& process);
    void AddEvent(const IEventDataPtr& event, uint32_t delayMillis);
    void AddWait(uint32_t millis);
    void Launch();

    ProcessPtr first;
    ProcessPtr last;
};

} // namespace TovarWorks
