#pragma once
// The interface of every event and its time-stamped base. Events travel as shared pointers.
#include "TovarWorks/Events/HashedString.h"

#include <cstdint>
#include <memory>

namespace TovarWorks {

class IEventData;
using IEventDataPtr = std::shared_ptr<IEventData>;

class IEventData {
public:
    virtual const EventType& GetEventType() const = 0;
    virtual uint32_t GetTimeStamp() const = 0;
    virtual ~IEventData() = default;

    // Queued by the event manager when this event is taken out of its queue for delivery.
    IEventDataPtr next;
};

class BaseEventData : public IEventData {
public:
    explicit BaseEventData(uint32_t timeStamp = 0) : timeStamp(timeStamp) {}
    uint32_t GetTimeStamp() const override { return timeStamp; }

    uint32_t timeStamp;
};

} // namespace TovarWorks
