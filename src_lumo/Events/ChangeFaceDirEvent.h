#pragma once
// Turns a character on stage.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>
#include <string>
#include <utility>

namespace Lumo {

class ChangeFaceDirEvent : public TovarWorks::BaseEventData {
public:
    ChangeFaceDirEvent(std::string id, int32_t facing) : id(std::move(id)), facing(facing) {}

    const TovarWorks::EventType& GetEventType() const override {
        return TovarWorks::ChangeFaceDirEventType;
    }

    std::string id;
    int32_t facing;
};

} // namespace Lumo
