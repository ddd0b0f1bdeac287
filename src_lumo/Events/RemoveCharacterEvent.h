#pragma once
// Takes a character off the stage.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <string>
#include <utility>

namespace Lumo {

class RemoveCharacterEvent : public TovarWorks::BaseEventData {
public:
    explicit RemoveCharacterEvent(std::string id) : id(std::move(id)) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::RemoveCharacterEventType;
    }

    std::string id;
};

} // namespace Lumo
