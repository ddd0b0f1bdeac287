#include "TovarWorks/Processes/MergeProcess.h"

#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"

#include <algorithm>

namespace TovarWorks {

void MergeProcess::AddMember(const ProcessPtr& process) {
    if (process)
        members.push_back(process);
}

void MergeProcess::OnInitialize() {
    const std::shared_ptr<ProcessManager> processes =
        gDevice ? gDevice->getProcessManager() : nullptr;
    if (!processes)
        return;
    for (const ProcessPtr& member : members)
        processes->Attach(member);
    if (!holdNext) {
        if (const ProcessPtr successor = GetNext()) {
            SetNext(nullptr);
            processes->Attach(successor);
        }
    }
}

void MergeProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    elapsed += deltaMillis;
    const bool allDead = std::all_of(members.begin(), members.end(),
                                     [](const ProcessPtr& member) { return member->dead; });
    if (allDead)
        Kill();
}

} // namespace TovarWorks
