#pragma once
// Something that stands in the shop and can be put down, carried or stacked on a tray: goods,
// dough, trays, ingredient boxes, letters, shelf things and the oven. The item holds its scene
// node and takes it out of the scene when the last holder lets go of the item.
#include "src_lumo/Items/ItemKind.h"

#include <irrlicht.h>

#include <memory>

namespace Lumo {

class VisualItem {
public:
    // The node may be null (a picture that could not be made); the item then sits at the origin.
    VisualItem(ItemKind kind, irr::scene::ISceneNode* node);
    virtual ~VisualItem();
    VisualItem(const VisualItem&) = delete;
    VisualItem& operator=(const VisualItem&) = delete;

    virtual irr::core::vector3df getPosition() const;
    virtual void setPosition(const irr::core::vector3df& position);
    // Called once a frame with the game clock in minutes of the day.
    virtual void update(int32_t gameMinute);

    ItemKind getKind() const { return kind; }
    irr::scene::ISceneNode* getNode() const { return node; }

private:
    const ItemKind kind;
    irr::scene::ISceneNode* node;
};

using VisualItemPtr = std::shared_ptr<VisualItem>;

} // namespace Lumo
