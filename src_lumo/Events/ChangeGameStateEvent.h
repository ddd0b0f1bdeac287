#pragma once
// Hands control to or takes it from the player. Its type is named "SetGameStateEvent". The only
// event that stamps itself with the time it was made.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class ChangeGameStateEvent : public TovarWorks::BaseEventData {
public:
    ChangeGameStateEvent(bool logicActive, bool playerControl);

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetGameStateEventType;
    }

    bool logicActive;
    bool playerControl;
};

} // namespace Lumo
