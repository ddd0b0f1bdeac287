#pragma once
// Starts or stops the game clock.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class SetTimerEvent : public TovarWorks::BaseEventData {
public:
    explicit SetTimerEvent(bool running) : running(running) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetTimerEventType;
    }

    bool running;
};

} // namespace Lumo
