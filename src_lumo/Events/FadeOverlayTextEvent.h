#pragma once
// Fades the overlay text out.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class FadeOverlayTextEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::FadeOverlayTextEventType;
    }
};

} // namespace Lumo
