#include "TovarWorks/Processes/ProcessManager.h"

#include <algorithm>

namespace TovarWorks {

bool ProcessManager::Attach(const ProcessPtr& process) {
    if (!process || process->attached)
        return false;
    processes.push_back(process);
    process->attached = true;
    return true;
}

void ProcessManager::Detach(const ProcessPtr& process) {
    if (!process)
        return;
    // During a pass the slots are only emptied, so the walk's position stays valid; the pass
    // sweeps the empty slots at its end.
    for (ProcessPtr& slot : processes)
        if (slot == process)
            slot.reset();
    if (!updating)
        processes.remove(nullptr);
    process->attached = false;
}

size_t ProcessManager::size() const {
    return processes.size() - std::count(processes.begin(), processes.end(), nullptr);
}

bool ProcessManager::contains(const ProcessPtr& process) const {
    return process && std::find(processes.begin(), processes.end(), process) != processes.end();
}

void ProcessManager::UpdateProcesses(uint32_t deltaMillis) {
    updating = true;
    for (auto it = processes.begin(); it != processes.end(); ++it) {
        const ProcessPtr process = *it; // keeps it alive while handled
        if (!process)
            continue;
        if (process->dead) {
            if (ProcessPtr successor = process->GetNext()) {
                process->SetNext(nullptr);
                Attach(successor); // appended, so reached later in this same pass
            }
            Detach(process);
        } else if (process->active && !process->paused) {
            process->OnUpdate(deltaMillis);
        }
    }
    updating = false;
    processes.remove(nullptr);
}

} // namespace TovarWorks
