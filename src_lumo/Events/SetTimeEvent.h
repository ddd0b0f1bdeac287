#pragma once
// Sets the game clock.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>

namespace Lumo {

class SetTimeEvent : public TovarWorks::BaseEventData {
public:
    SetTimeEvent(int32_t hour, int32_t minute) : hour(hour), minute(minute) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetTimeEventType;
    }

    int32_t hour;
    int32_t minute;
};

} // namespace Lumo
