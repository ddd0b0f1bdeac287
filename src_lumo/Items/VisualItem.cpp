#include "src_lumo/Items/VisualItem.h"

namespace Lumo {

VisualItem::VisualItem(ItemKind itemKind, irr::scene::ISceneNode* sceneNode) : kind(itemKind), node(sceneNode)
{
    if (node)
        node->grab();
}

VisualItem::~VisualItem()
{
    if (!node)
        return;
    node->remove();
    node->drop();
}

irr::core::vector3df VisualItem::getPosition() const
{
    return node ? node->getPosition() : irr::core::vector3df(0.f, 0.f, 0.f);
}

void VisualItem::setPosition(const irr::core::vector3df& position)
{
    if (node)
        node->setPosition(position);
}

void VisualItem::update(int32_t /*gameMinute*/) {}

} // namespace Lumo
