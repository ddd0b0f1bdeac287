#include "src_lumo/Items/VisualItemMulti.h"

#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/SpriteBatchNode.h"

#include <algorithm>

namespace Lumo {

namespace {

// Places on the 24 x 16 tray: rows of four across, front row first.
irr::core::vector3df placeOnTray(size_t index)
{
    const float x = -9.f + 6.f * static_cast<float>(index % 4);
    const float z = -3.f + 6.f * static_cast<float>((index / 4) % 2);
    return irr::core::vector3df(x, 1.f, z);
}

} // namespace

VisualItemMulti::VisualItemMulti(irr::scene::ISceneNode* node) : VisualItem(ITEM_TRAY, node)
{
    if (node) {
        goodsBatch = new SpriteBatchNode(node, node->getSceneManager());
        goodsBatch->drop();
    }
}

VisualItemMulti::~VisualItemMulti()
{
    // The goods leave the scene before their tray does.
    goods.clear();
}

void VisualItemMulti::addGood(const VisualItemSinglePtr& good)
{
    if (!good || holds(good))
        return;
    if (irr::scene::ISceneNode* node = good->getNode()) {
        if (getNode())
            node->setParent(getNode());
        node->setPosition(placeOnTray(goods.size()));
        if (goodsBatch)
            goodsBatch->addMember(good->getSpriteNode());
    }
    goods.push_back(good);
}

bool VisualItemMulti::removeGood(const VisualItemSinglePtr& good)
{
    const auto it = std::find(goods.begin(), goods.end(), good);
    if (it == goods.end())
        return false;
    if (irr::scene::ISceneNode* node = good->getNode()) {
        if (goodsBatch)
            goodsBatch->removeMember(good->getSpriteNode());
        node->updateAbsolutePosition();
        const irr::core::vector3df where = node->getAbsolutePosition();
        node->setParent(node->getSceneManager()->getRootSceneNode());
        node->setPosition(where);
    }
    goods.erase(it);
    return true;
}

bool VisualItemMulti::holds(const VisualItemSinglePtr& good) const
{
    return std::find(goods.begin(), goods.end(), good) != goods.end();
}

Tray VisualItemMulti::toTray() const
{
    Tray tray;
    for (const VisualItemSinglePtr& good : goods)
        tray.goods.push_back(good->getGood());
    return tray;
}

void VisualItemMulti::applyBaking(const Tray& baked)
{
    for (size_t i = 0; i < goods.size() && i < baked.goods.size(); ++i)
        goods[i]->setGood(baked.goods[i]);
}

} // namespace Lumo
