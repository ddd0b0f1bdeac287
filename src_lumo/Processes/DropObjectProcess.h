#pragma once
// An item falling onto a surface in 100 ms: straight across, and down either speeding up (a
// fall) or slowing down (set down gently).
#include "src_lumo/Items/VisualItem.h"
#include "TovarWorks/Processes/Process.h"

namespace Lumo {

class DropObjectProcess : public TovarWorks::Process {
public:
    DropObjectProcess(VisualItemPtr object, const irr::core::vector3df& target, bool easeOut)
        : object(std::move(object)), target(target), easeOut(easeOut) {}

    void OnInitialize() override;
    void OnUpdate(uint32_t deltaMillis) override;

    uint32_t elapsed = 0;
    const uint32_t duration = 100;
    VisualItemPtr object;
    irr::core::vector3df target;
    irr::core::vector3df start;
    bool easeOut;
};

} // namespace Lumo
