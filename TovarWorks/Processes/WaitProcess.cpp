#include "TovarWorks/Processes/WaitProcess.h"

namespace TovarWorks {

void WaitProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    elapsed += deltaMillis;
    if (duration <= elapsed)
        Kill();
}

} // namespace TovarWorks
