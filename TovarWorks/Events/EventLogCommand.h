#pragma once
// The console's "log" command: "on", "off", "save", "load" on "Eventlog.txt". Saving and loading
// can fail on a missing or damaged file; the failure becomes a console message, never a crash.
#include <functional>
#include <string>

namespace TovarWorks {

class EventManager;

extern const wchar_t* const kEventLogFileName; // "Eventlog.txt"

// print(message, isError). Any other word does nothing.
void runLogCommand(EventManager& events, const std::wstring& word,
                   const std::function<void(const std::wstring& message, bool error)>& print,
                   const std::wstring& fileName = kEventLogFileName);

} // namespace TovarWorks
