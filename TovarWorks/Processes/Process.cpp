#include "TovarWorks/Processes/Process.h"

namespace TovarWorks {

void Process::OnUpdate(uint32_t) {
    if (initialUpdate) {
        OnInitialize();
        initialUpdate = false;
    }
}

} // namespace TovarWorks
