#pragma once
// One spot of a drop field where a single item can lie.
#include "src_lumo/Items/VisualItem.h"

namespace Lumo {

struct DropPoint {
    irr::core::vector3df position;
    float size = 10.f; // the extent of the spot in world units
    VisualItemPtr item;

    bool isFree() const { return !item; }
};

} // namespace Lumo
