#pragma once
// Does nothing for a while; chains use it for pauses.
#include "TovarWorks/Processes/Process.h"

namespace TovarWorks {

class WaitProcess : public Process {
public:
    explicit WaitProcess(uint32_t duration) : duration(duration) {}

    void OnUpdate(uint32_t deltaMillis) override;

    uint32_t elapsed = 0;
    uint32_t duration;
};

} // namespace TovarWorks
