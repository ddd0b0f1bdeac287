// "Eventlog.txt" loaded by the console's "tovar log load": a Boost text archive of events.
#include "ScratchFolder.h"
#include "TovarWorks/Events/EventLogCommand.h"
#include "TovarWorks/Events/EventManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = ScratchFolder::write("Eventlog.txt", data, size);
    TovarWorks::EventManager events;
    // A damaged file becomes a message, never an exception out of the command.
    TovarWorks::runLogCommand(events, L"load", [](const std::wstring&, bool) {}, std::wstring(file.begin(), file.end()));
    return 0;
}
