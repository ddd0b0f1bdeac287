#pragma once
// The player chose to go to bed: the day ends.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class StartNewDayEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::StartNewDayEventType;
    }
};

} // namespace Lumo
