#include "src_lumo/Items/VisualItemOven.h"

#include "src_lumo/Items/BakingStage.h"
#include "src_lumo/Items/VisualItemMulti.h"

#include <cmath>

namespace Lumo {

namespace {

ItemDropFieldPtr ovenField(const irr::core::vector3df& p)
{
    const irr::core::aabbox3df box(p.X, 0.f, p.Z, p.X + 30.f, 6.5f, p.Z + 20.f);
    DropPoint mouth;
    mouth.position = irr::core::vector3df(p.X + 15.f, 13.f, p.Z + 8.f);
    mouth.size = 15.f;
    return std::make_shared<ItemDropField>(box, std::vector<DropPoint>{mouth});
}

} // namespace

VisualItemOven::VisualItemOven(irr::scene::ISceneNode* node, irr::scene::ISceneManager* manager,
                               const irr::core::vector3df& placement)
    : VisualItem(ITEM_OVEN, node), field(ovenField(placement)), effects(manager)
{
}

void VisualItemOven::update(int32_t gameMinute)
{
    const VisualItemPtr inside = field->firstItem();
    if (!inside) {
        baking = false;
        if (effects.getStage() != 0)
            effects.setStage(0, 0);
        return;
    }
    // A clock that went back (a new day) starts a new baking period instead of unbaking goods.
    if (!baking || gameMinute - startMinute < elapsedMinutes) {
        baking = true;
        startMinute = gameMinute;
        elapsedMinutes = 0;
    }
    const int32_t minutes = gameMinute - startMinute;
    if (minutes == elapsedMinutes)
        return;
    const int32_t added = minutes - elapsedMinutes;
    elapsedMinutes = minutes;
    if (inside->getKind() == ITEM_TRAY)
        bakeTray(added);
}

void VisualItemOven::bakeTray(int32_t minutes)
{
    const auto& goods = static_cast<const VisualItemMulti&>(*field->firstItem()).getGoods();
    if (goods.empty())
        return;
    int32_t stage = STAGE_RAW;
    int32_t burnAmount = 0;
    for (const VisualItemSinglePtr& good : goods) {
        stage = good->bake(minutes);
        // Measured on the good, which may have baked before this period began.
        if (stage == STAGE_BURNT)
            burnAmount = static_cast<int32_t>(std::lround(good->bakedMinutes - 1.5 * good->bakeMinutes));
    }
    effects.setStage(stage, burnAmount);
}

} // namespace Lumo
