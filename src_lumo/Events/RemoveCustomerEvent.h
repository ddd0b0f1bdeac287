#pragma once
// The served customer leaves the shop.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class RemoveCustomerEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::RemoveCustomerEventType;
    }
};

} // namespace Lumo
