#pragma once
// An ingredient box from the storeroom: what it holds goes into the work table's stock when it
// is put down on the table.
#include "src_lumo/Bakery/Ingredients.h"
#include "src_lumo/Items/VisualItem.h"

namespace Lumo {

class VisualItemBox : public VisualItem {
public:
    VisualItemBox(irr::scene::ISceneNode* node, const IngredientRow& contents)
        : VisualItem(ITEM_BOX, node), contents(contents) {}

    const IngredientRow& getContents() const { return contents; }

private:
    const IngredientRow contents;
};

using VisualItemBoxPtr = std::shared_ptr<VisualItemBox>;

} // namespace Lumo
