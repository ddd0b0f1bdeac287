#pragma once
// A place where items can be put down: a box on the floor plan that the baker aims at, and the
// spots inside it that each take one item.
#include "src_lumo/Items/DropPoint.h"

#include <vector>

namespace Lumo {

class ItemDropField {
public:
    ItemDropField(const irr::core::aabbox3df& box, std::vector<DropPoint> points)
        : box(box), points(std::move(points)) {}

    const irr::core::aabbox3df& getBox() const { return box; }
    const std::vector<DropPoint>& getPoints() const { return points; }

    // Whether a spot on the floor lies inside the field; heights are ignored, the baker aims
    // along the floor.
    bool covers(const irr::core::vector3df& spot) const;

    // Empty when the first spot is free.
    VisualItemPtr firstItem() const;
    std::vector<VisualItemPtr> allItems() const;
    bool isFull() const;

    // The free spot nearest to where the baker aims, so an item lands where the player looks;
    // null when the field is full.
    DropPoint* freePointNearest(const irr::core::vector3df& aim);
    // The first free spot in order; screens that create items have no aim.
    DropPoint* firstFreePoint();
    // The spot holding that item, or null.
    DropPoint* pointHolding(const VisualItem* item);
    // Clears the spot holding the item. False when the field does not hold it.
    bool release(const VisualItem* item);

private:
    irr::core::aabbox3df box;
    std::vector<DropPoint> points;
};

using ItemDropFieldPtr = std::shared_ptr<ItemDropField>;

} // namespace Lumo
