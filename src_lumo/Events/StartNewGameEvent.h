#pragma once
// The main menu starts a new game.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class StartNewGameEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::StartNewGameEventType;
    }
};

} // namespace Lumo
