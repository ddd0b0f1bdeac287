#pragma once
// Delivers an event at once (Trigger, not queued) when its delay has passed. Born dead without an
// event, so a chain simply moves on.
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Processes/Process.h"

namespace TovarWorks {

class CallEventProcess : public Process {
public:
    CallEventProcess(IEventDataPtr event, uint32_t delay);

    void OnUpdate(uint32_t deltaMillis) override;

    uint32_t elapsed = 0;
    uint32_t delay;
    IEventDataPtr event;
};

} // namespace TovarWorks
