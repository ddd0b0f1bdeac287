#pragma once
// Shows or hides the HUD.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class SetHudEvent : public TovarWorks::BaseEventData {
public:
    explicit SetHudEvent(bool visible) : visible(visible) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetHudEventType;
    }

    bool visible;
};

} // namespace Lumo
