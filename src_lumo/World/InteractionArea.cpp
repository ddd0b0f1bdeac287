#include "src_lumo/World/InteractionArea.h"

namespace Lumo {

bool InteractionArea::contains(const irr::core::vector3df& position) const {
    const irr::core::vector2df ground(position.X, position.Z);
    if (ground.getDistanceFrom(irr::core::vector2df(spot.X, spot.Z)) < reach)
        return true;
    for (const irr::core::rectf& front : fronts)
        if (front.isPointInside(ground))
            return true;
    return false;
}

} // namespace Lumo
