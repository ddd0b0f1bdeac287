#pragma once
// Switches the scene's ambient colours (1 = warm).
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>

namespace Lumo {

class SetAmbientColorSchemeEvent : public TovarWorks::BaseEventData {
public:
    explicit SetAmbientColorSchemeEvent(int32_t scheme) : scheme(scheme) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::SetAmbientColorSchemeEventType;
    }

    int32_t scheme;
};

} // namespace Lumo
