#pragma once
// Where the baker can act on a piece of furniture: within reach of its spot, or anywhere on the
// floor right in front of it, so that she need not find the one spot that counts.
#include <irrlicht.h>

#include <vector>

namespace Lumo {

struct InteractionArea {
    irr::core::vector3df spot;
    float reach;
    // Where she may stand in front of it: x0, z0, x1, z1 on the ground.
    std::vector<irr::core::rectf> fronts;

    bool contains(const irr::core::vector3df& position) const;
};

} // namespace Lumo
