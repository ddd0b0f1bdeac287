#pragma once
// The postman has delivered the day's letter.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class SpawnLetterEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SpawnLetterEventType;
    }
};

} // namespace Lumo
