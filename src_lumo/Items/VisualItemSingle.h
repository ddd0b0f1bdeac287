#pragma once
// One sprite: a good, a lump of dough or a thing on a shelf. A good shows the picture of the
// stage its baking state has reached; a lump keeps the dough it is, so kneading still knows the
// recipe after the baker has carried it about.
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Bakery/Dough.h"
#include "src_lumo/Items/VisualItem.h"

#include <string>

namespace Lumo {

class CharacterNode;

class VisualItemSingle : public VisualItem {
public:
    VisualItemSingle(ItemKind kind, CharacterNode* node);

    // Shows the frame of that name; an unknown name leaves the sprite empty.
    void setFrame(const std::wstring& frameName);
    CharacterNode* getSpriteNode() const { return spriteNode; }

    const BakedGood& getGood() const { return good; }
    // Takes the good's new state and shows its stage. A good of no known kind (a dough that
    // matched no recipe) shows "item_unknown" at every stage.
    void setGood(const BakedGood& state);

    const Dough& getDough() const { return dough; }
    // Takes the dough and shows the lump picture of its weight.
    void setDough(const Dough& mixed);

private:
    CharacterNode* spriteNode;
    BakedGood good;
    Dough dough;
};

using VisualItemSinglePtr = std::shared_ptr<VisualItemSingle>;

} // namespace Lumo
