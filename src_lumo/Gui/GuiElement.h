#pragma once
// Base of every widget drawn over the scene: an input step and a draw, and whether it is shown.
#include "src_lumo/Gui/InputRecord.h"

#include <cstdint>

namespace Lumo {

class GuiElement {
public:
    virtual ~GuiElement() = default;
    // The widget's answer to this frame's input; 0 when it has nothing to say.
    virtual int32_t input(const InputRecord&) { return 0; }
    virtual void draw() = 0;

    bool visible = true;
};

} // namespace Lumo
