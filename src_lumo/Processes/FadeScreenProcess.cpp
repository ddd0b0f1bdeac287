#include "src_lumo/Processes/FadeScreenProcess.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"

namespace Lumo {

void FadeScreenProcess::OnInitialize() { elapsed = 0; }

void FadeScreenProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    elapsed += TovarWorks::gDevice ? TovarWorks::gDevice->getFrameDelta() : 0;
    // Compared as integers: the fade ends in the update in which its time is exceeded, and a
    // zero-length fade never divides 0 by 0.
    float t = 1.0f;
    if (elapsed > duration)
        Kill();
    else if (duration > 0)
        t = static_cast<float>(elapsed) / static_cast<float>(duration);
    const uint32_t alpha = static_cast<uint32_t>((fadeIn ? 1.0f - t : t) * 255.0f);
    if (gGameData)
        gGameData->screenFadeColor = alpha << 24;
}

} // namespace Lumo
