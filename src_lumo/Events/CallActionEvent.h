#pragma once
// The player pressed SPACE near someone: 6 the merchant, 7 the barman.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>

namespace Lumo {

class CallActionEvent : public TovarWorks::BaseEventData {
public:
    explicit CallActionEvent(int32_t action) : action(action) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::CallActionEventType;
    }

    int32_t action;
};

} // namespace Lumo
