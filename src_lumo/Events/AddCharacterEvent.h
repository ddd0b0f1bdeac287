#pragma once
// Puts a character from a sprite definition on stage.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>
#include <irrlicht.h>
#include <string>
#include <utility>

namespace Lumo {

class AddCharacterEvent : public TovarWorks::BaseEventData {
public:
    AddCharacterEvent(const irr::core::vector3df& position, std::wstring definition, std::string id,
                      int32_t facing)
        : position(position), definition(std::move(definition)), id(std::move(id)), facing(facing) {
    }

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::AddCharacterEventType;
    }

    irr::core::vector3df position;
    std::wstring definition;
    std::string id;
    int32_t facing;
};

} // namespace Lumo
