#pragma once
// Shows a line of text over the scene; the text is UTF-8.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <string>
#include <utility>

namespace Lumo {

class ShowOverlayTextEvent : public TovarWorks::BaseEventData {
public:
    explicit ShowOverlayTextEvent(std::string text) : text(std::move(text)) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::ShowOverlayTextEventType;
    }

    std::string text;
};

} // namespace Lumo
