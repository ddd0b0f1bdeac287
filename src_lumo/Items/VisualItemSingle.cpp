#include "src_lumo/Items/VisualItemSingle.h"

#include "src_lumo/Items/BakingStage.h"
#include "src_lumo/Sprites/CharacterNode.h"

namespace Lumo {

VisualItemSingle::VisualItemSingle(ItemKind kind, CharacterNode* node) : VisualItem(kind, node), spriteNode(node) {}

void VisualItemSingle::setFrame(const std::wstring& frameName)
{
    if (spriteNode)
        spriteNode->setFrame(frameName);
}

void VisualItemSingle::makeGood(int32_t type, int32_t minutes)
{
    goodsType = type;
    bakeMinutes = minutes;
    bakedMinutes = 0;
    done = false;
    quality = 0.f;
    setFrame(BakingStage::frameName(type, STAGE_RAW));
}

int32_t VisualItemSingle::bake(int32_t minutes)
{
    bakedMinutes += minutes;
    const int32_t stage = BakingStage::forMinutes(bakedMinutes, bakeMinutes);
    if (stage != STAGE_RAW) {
        setFrame(BakingStage::frameName(goodsType, stage));
        done = true;
        quality = BakingStage::qualityOf(stage);
    }
    return stage;
}

} // namespace Lumo
