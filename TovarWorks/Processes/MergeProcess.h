#pragma once
// Waits for a group of processes that run side by side. Its successor either starts together
// with the group (holdNext false) or only after the whole group has finished (holdNext true).
#include "TovarWorks/Processes/Process.h"

#include <vector>

namespace TovarWorks {

class MergeProcess : public Process {
public:
    explicit MergeProcess(bool holdNext) : holdNext(holdNext) {}

    // Before the merge process is attached; empty pointers are ignored.
    void AddMember(const ProcessPtr& process);

    void OnInitialize() override;
    void OnUpdate(uint32_t deltaMillis) override;

    uint32_t elapsed = 0;
    std::vector<ProcessPtr> members;
    bool holdNext;
};

} // namespace TovarWorks
