#pragma once
// Starts the next day once the screen has faded out.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class SetNewDayEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetNewDayEventType;
    }
};

} // namespace Lumo
