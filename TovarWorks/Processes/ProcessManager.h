#pragma once
#include "TovarWorks/Processes/Process.h"

#include <list>

namespace TovarWorks {

// The device's one process list, updated once per frame before the events are delivered.
class ProcessManager {
public:
    // Refuses (false) a process that is already attached; attaching it twice would update it twice.
    bool Attach(const ProcessPtr& process);
    void Detach(const ProcessPtr& process);
    void UpdateProcesses(uint32_t deltaMillis);

    size_t size() const;
    bool contains(const ProcessPtr& process) const;

private:
    // A list, so that appending during a pass keeps the walk valid.
    std::list<ProcessPtr> processes;
    bool updating = false;
};

} // namespace TovarWorks
