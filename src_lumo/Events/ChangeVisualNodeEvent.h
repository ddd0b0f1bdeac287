#pragma once
// Gives a character on stage another sprite definition.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <string>
#include <utility>

namespace Lumo {

class ChangeVisualNodeEvent : public TovarWorks::BaseEventData {
public:
    ChangeVisualNodeEvent(std::wstring definition, std::string id)
        : definition(std::move(definition)), id(std::move(id)) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::ChangeVisualNodeEventType;
    }

    std::wstring definition;
    std::string id;
};

} // namespace Lumo
