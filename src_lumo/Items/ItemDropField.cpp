#include "src_lumo/Items/ItemDropField.h"

#include <algorithm>
#include <limits>

namespace Lumo {

bool ItemDropField::covers(const irr::core::vector3df& spot) const
{
    return spot.X >= box.MinEdge.X && spot.X <= box.MaxEdge.X && spot.Z >= box.MinEdge.Z && spot.Z <= box.MaxEdge.Z;
}

VisualItemPtr ItemDropField::firstItem() const
{
    return points.empty() ? VisualItemPtr() : points.front().item;
}

std::vector<VisualItemPtr> ItemDropField::allItems() const
{
    std::vector<VisualItemPtr> items;
    for (const DropPoint& point : points)
        if (point.item)
            items.push_back(point.item);
    return items;
}

bool ItemDropField::isFull() const
{
    return std::none_of(points.begin(), points.end(), [](const DropPoint& point) { return point.isFree(); });
}

DropPoint* ItemDropField::freePointNearest(const irr::core::vector3df& aim)
{
    DropPoint* nearest = nullptr;
    float nearestDistance = std::numeric_limits<float>::max();
    for (DropPoint& point : points) {
        const float dx = point.position.X - aim.X;
        const float dz = point.position.Z - aim.Z;
        const float distance = dx * dx + dz * dz;
        if (point.isFree() && distance < nearestDistance) {
            nearest = &point;
            nearestDistance = distance;
        }
    }
    return nearest;
}

DropPoint* ItemDropField::firstFreePoint()
{
    const auto it = std::find_if(points.begin(), points.end(), [](const DropPoint& point) { return point.isFree(); });
    return it == points.end() ? nullptr : &*it;
}

DropPoint* ItemDropField::pointHolding(const VisualItem* item)
{
    if (!item)
        return nullptr;
    const auto it = std::find_if(points.begin(), points.end(),
                                 [item](const DropPoint& point) { return point.item.get() == item; });
    return it == points.end() ? nullptr : &*it;
}

bool ItemDropField::release(const VisualItem* item)
{
    DropPoint* point = pointHolding(item);
    if (!point)
        return false;
    point->item.reset();
    return true;
}

} // namespace Lumo
