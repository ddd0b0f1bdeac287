#pragma once
// Fades the screen to black (fadeIn false) or back from black (fadeIn true) by writing the
// screen-fade colour that the game visual paints over the scene. Counts the device's frame time.
#include "TovarWorks/Processes/Process.h"

namespace Lumo {

class FadeScreenProcess : public TovarWorks::Process {
public:
    FadeScreenProcess(bool fadeIn, uint32_t duration) : fadeIn(fadeIn), duration(duration) {}

    void OnInitialize() override;
    void OnUpdate(uint32_t deltaMillis) override;

    bool fadeIn;
    uint32_t elapsed = 0;
    uint32_t duration;
};

} // namespace Lumo
