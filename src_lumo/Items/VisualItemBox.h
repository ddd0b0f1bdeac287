#pragma once
// An ingredient box from the storeroom: what it holds goes into the work table's stock when it
// is put down on the table.
#include "src_lumo/Items/VisualItem.h"

#include <array>

namespace Lumo {

// Flour, butter, sugar, milk, eggs and the sixth, unused slot.
using IngredientCounts = std::array<int32_t, 6>;

class VisualItemBox : public VisualItem {
public:
    VisualItemBox(irr::scene::ISceneNode* node, const IngredientCounts& contents)
        : VisualItem(ITEM_BOX, node), contents(contents) {}

    const IngredientCounts& getContents() const { return contents; }

private:
    const IngredientCounts contents;
};

using VisualItemBoxPtr = std::shared_ptr<VisualItemBox>;

} // namespace Lumo
