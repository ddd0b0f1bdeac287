#pragma once
// One sprite: a good, a lump of dough or a thing on a shelf. Goods also carry how long they
// bake, how long they have baked, and the quality they reached.
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

    // Makes this a raw good of that type that needs bakeMinutes in the oven.
    void makeGood(int32_t type, int32_t bakeMinutes);
    // Adds minutes spent in a hot oven and shows the stage they reach. Returns the stage.
    int32_t bake(int32_t minutes);

    int32_t goodsType = 0;
    int32_t bakeMinutes = 0;
    int32_t bakedMinutes = 0;
    bool done = false;
    float quality = 0.f;

private:
    CharacterNode* spriteNode;
};

using VisualItemSinglePtr = std::shared_ptr<VisualItemSingle>;

} // namespace Lumo
