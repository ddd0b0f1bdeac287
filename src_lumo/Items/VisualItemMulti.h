#pragma once
// A baking tray with goods on it. The goods' nodes hang under the tray's node, so the goods
// travel with the tray wherever it is carried or put; the tray draws them all at once.
#include "src_lumo/Bakery/Tray.h"
#include "src_lumo/Items/VisualItemSingle.h"

#include <vector>

namespace Lumo {

class SpriteBatchNode;

class VisualItemMulti : public VisualItem {
public:
    explicit VisualItemMulti(irr::scene::ISceneNode* node);
    ~VisualItemMulti() override;

    // The good takes the next free place on the tray.
    void addGood(const VisualItemSinglePtr& good);
    // Refuses (false) a good that is not on this tray. The good's node goes back to the scene
    // root where it stood.
    bool removeGood(const VisualItemSinglePtr& good);
    const std::vector<VisualItemSinglePtr>& getGoods() const { return goods; }
    bool holds(const VisualItemSinglePtr& good) const;

    // The baking state of the goods on the tray, in order, for the bakery's rules.
    Tray toTray() const;
    // Shows the state the rules returned for the same goods, in the same order.
    void applyBaking(const Tray& baked);
    // The oven takes a tray with goods on it, every one of a known kind.
    bool fitsInOven() const { return toTray().fitsInOven(); }

private:
    std::vector<VisualItemSinglePtr> goods;
    SpriteBatchNode* goodsBatch = nullptr; // a child of the tray's node, which owns it
};

using VisualItemMultiPtr = std::shared_ptr<VisualItemMulti>;

} // namespace Lumo
