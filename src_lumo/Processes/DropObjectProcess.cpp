#include "src_lumo/Processes/DropObjectProcess.h"

#include <algorithm>

namespace Lumo {

void DropObjectProcess::OnInitialize()
{
    if (object)
        start = object->getPosition();
}

void DropObjectProcess::OnUpdate(uint32_t deltaMillis)
{
    Process::OnUpdate(deltaMillis);
    elapsed += deltaMillis;
    const float t = std::min(static_cast<float>(elapsed) / static_cast<float>(duration), 1.f);
    if (object) {
        const float fall = easeOut ? 1.f - (1.f - t) * (1.f - t) : t * t;
        object->setPosition(irr::core::vector3df(start.X - (start.X - target.X) * t,
                                                 start.Y - (start.Y - target.Y) * fall,
                                                 start.Z - (start.Z - target.Z) * t));
    }
    if (t >= 1.f)
        Kill();
}

} // namespace Lumo
