#pragma once
// The player declined the "go to bed?" choice.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class CloseChoiceEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::CloseChoiceEventType;
    }
};

} // namespace Lumo
