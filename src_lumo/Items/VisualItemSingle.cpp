#include "src_lumo/Items/VisualItemSingle.h"

#include "src_lumo/Sprites/CharacterNode.h"

namespace Lumo {

VisualItemSingle::VisualItemSingle(ItemKind kind, CharacterNode* node) : VisualItem(kind, node), spriteNode(node) {}

void VisualItemSingle::setFrame(const std::wstring& frameName)
{
    if (spriteNode)
        spriteNode->setFrame(frameName);
}

void VisualItemSingle::setGood(const BakedGood& state)
{
    good = state;
    const std::string frame = good.frameName();
    setFrame(frame.empty() ? std::wstring(L"item_unknown") : std::wstring(frame.begin(), frame.end()));
}

void VisualItemSingle::setDough(const Dough& mixed)
{
    dough = mixed;
    const std::string frame = dough.pictureName();
    setFrame(std::wstring(frame.begin(), frame.end()));
}

} // namespace Lumo
