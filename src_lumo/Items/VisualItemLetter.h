#pragma once
// The morning's letter, lying in the shop until the player reads it.
#include "src_lumo/Items/VisualItem.h"

namespace Lumo {

class VisualItemLetter : public VisualItem {
public:
    explicit VisualItemLetter(irr::scene::ISceneNode* node) : VisualItem(ITEM_LETTER, node) {}
};

using VisualItemLetterPtr = std::shared_ptr<VisualItemLetter>;

} // namespace Lumo
