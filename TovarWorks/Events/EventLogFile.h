#pragma once
// Writing and reading the event log file: a Boost text archive holding the number of events and
// then each event as a polymorphic pointer to IEventData. Only the novel event classes are
// registered with the archive; saving any other class fails at that event.
// Both operations report failures by throwing the archive's exceptions (or std ones).
#include "TovarWorks/Events/IEventData.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace TovarWorks {

void writeEventLog(const std::wstring& fileName, const std::vector<IEventDataPtr>& events);
void writeEventLog(std::ostream& stream, const std::vector<IEventDataPtr>& events);

// Hands over each event as soon as it is read, so a failure part-way keeps what came before.
// An event stored twice (the same object logged twice) arrives as the same shared pointer.
void readEventLog(const std::wstring& fileName,
                  const std::function<void(const IEventDataPtr&)>& append);
void readEventLog(std::istream& stream, const std::function<void(const IEventDataPtr&)>& append);

} // namespace TovarWorks
