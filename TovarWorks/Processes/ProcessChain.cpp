#include "TovarWorks/Processes/ProcessChain.h"

#include "TovarWorks/Processes/CallEventProcess.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/Processes/WaitProcess.h"
#include "TovarWorks/TovarDevice.h"

namespace TovarWorks {

void ProcessChain::AddProcess(const ProcessPtr& process) {
    if (!process)
        return;
    if (!first)
        first = process;
    else
        last->SetNext(process);
    last = process;
}

void ProcessChain::AddEvent(const IEventDataPtr& event, uint32_t delayMillis) {
    AddProcess(std::make_shared<CallEventProcess>(event, delayMillis));
}

void ProcessChain::AddWait(uint32_t millis) { AddProcess(std::make_shared<WaitProcess>(millis)); }

void ProcessChain::Launch() {
    if (first && gDevice && gDevice->getProcessManager())
        gDevice->getProcessManager()->Attach(first);
    first.reset();
    last.reset();
}

} // namespace TovarWorks
