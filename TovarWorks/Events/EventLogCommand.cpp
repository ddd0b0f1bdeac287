#include "TovarWorks/Events/EventLogCommand.h"

#include "TovarWorks/Events/EventManager.h"

#include <exception>

namespace TovarWorks {

const wchar_t* const kEventLogFileName = L"Eventlog.txt";

namespace {
std::wstring widened(const char* text) {
    std::wstring wide;
    for (const char* c = text; *c; ++c)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return wide;
}

std::wstring eventCount(size_t count) {
    return std::to_wstring(count) + (count == 1 ? L" event" : L" events");
}
} // namespace

void runLogCommand(EventManager& events, const std::wstring& word,
                   const std::function<void(const std::wstring& message, bool error)>& print,
                   const std::wstring& fileName) {
    if (word == L"on") {
        events.loggingEnabled = true;
        print(L"Event logging on", false);
    } else if (word == L"off") {
        events.loggingEnabled = false;
        print(L"Event logging off", false);
    } else if (word == L"save") {
        try {
            events.SaveEventLog(fileName);
            print(L"Saved " + eventCount(events.getEventLog().size()) + L" to " + fileName, false);
        } catch (const std::exception& error) {
            print(L"Could not save the event log to " + fileName + L": " + widened(error.what()),
                  true);
        }
    } else if (word == L"load") {
        const size_t before = events.getReplayList().size();
        try {
            events.LoadEventLog(fileName);
            print(L"Loaded " + eventCount(events.getReplayList().size() - before) + L" from " +
                      fileName,
                  false);
        } catch (const std::exception& error) {
            print(L"Could not load the event log from " + fileName + L" (" +
                      eventCount(events.getReplayList().size() - before) +
                      L" read before the error): " + widened(error.what()),
                  true);
        }
    }
}

} // namespace TovarWorks
