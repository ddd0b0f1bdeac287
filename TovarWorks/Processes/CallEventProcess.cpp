#include "TovarWorks/Processes/CallEventProcess.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"

namespace TovarWorks {

CallEventProcess::CallEventProcess(IEventDataPtr event, uint32_t delay)
    : Process(0), delay(delay), event(std::move(event)) {
    if (!this->event)
        Kill();
}

void CallEventProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    elapsed += deltaMillis;
    if (elapsed < delay)
        return;
    if (gDevice && gDevice->getEventManager())
        gDevice->getEventManager()->Trigger(*event);
    Kill();
}

} // namespace TovarWorks
