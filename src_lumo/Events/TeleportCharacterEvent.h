#pragma once
// Moves a character on stage at once.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <irrlicht.h>
#include <string>
#include <utility>

namespace Lumo {

class TeleportCharacterEvent : public TovarWorks::BaseEventData {
public:
    TeleportCharacterEvent(std::string id, const irr::core::vector3df& position)
        : id(std::move(id)), position(position) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::TeleportCharacterEventType;
    }

    std::string id;
    irr::core::vector3df position;
};

} // namespace Lumo
