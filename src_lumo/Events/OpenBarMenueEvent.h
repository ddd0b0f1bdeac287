#pragma once
// Opens the bar's menu after the barman's talk.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class OpenBarMenueEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override { return TovarWorks::OpenBarMenueEventType; }
};

} // namespace Lumo
