#pragma once
// Opens the merchant's menu after his talk.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

namespace Lumo {

class OpenMerchantMenueEvent : public TovarWorks::BaseEventData {
public:
    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::OpenMerchantMenueEventType;
    }
};

} // namespace Lumo
