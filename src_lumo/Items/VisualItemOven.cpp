#include "src_lumo/Items/VisualItemOven.h"

#include "src_lumo/Items/VisualItemMulti.h"

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
    // The oven's field takes trays only; the rules bake a copy of the tray's goods, which the
    // tray then shows.
    const VisualItemPtr inside = field->firstItem();
    auto* tray = inside && inside->getKind() == ITEM_TRAY ? static_cast<VisualItemMulti*>(inside.get()) : nullptr;
    Tray goods = tray ? tray->toTray() : Tray();
    if (!baking.update(gameMinute, tray ? &goods : nullptr))
        return;
    if (tray)
        tray->applyBaking(goods);
    effects.setStage(baking.effectsStage(), baking.burnAmount());
}

} // namespace Lumo
