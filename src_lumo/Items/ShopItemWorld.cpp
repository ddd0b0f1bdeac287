#include "src_lumo/Items/ShopItemWorld.h"

#include "src_lumo/Game/GameData.h"

namespace Lumo {

const irr::core::vector3df ShopItemWorld::kLetterSpot(842.f, 0.5f, 551.f);

bool ShopItemWorld::tableHoldsDough() const
{
    const VisualItemPtr onTable = items.getField(FIELD_TABLE).firstItem();
    return onTable && onTable->getKind() == ITEM_DOUGH;
}

VisualItemPtr ShopItemWorld::letterWithin(const irr::core::vector3df& heroPosition, float reach) const
{
    for (const VisualItemPtr& item : items.getItems()) {
        const irr::core::vector3df p = item->getPosition();
        const irr::core::vector3df onFloor(p.X - heroPosition.X, 0.f, p.Z - heroPosition.Z);
        if (item->getKind() == ITEM_LETTER && onFloor.getLength() < reach)
            return item;
    }
    return nullptr;
}

bool ShopItemWorld::takeLetterNear(const irr::core::vector3df& heroPosition, float reach)
{
    const VisualItemPtr letter = letterWithin(heroPosition, reach);
    if (letter)
        items.remove(letter);
    return letter != nullptr;
}

void ShopItemWorld::spawnLetter()
{
    items.addLetter(kLetterSpot);
}

void ShopItemWorld::carryKey(const irr::core::vector3df& heroPosition, int facing)
{
    if (items.getCarried())
        items.drop(heroPosition, facing, gGameData->world.tableStock);
    else
        items.pickUp(heroPosition);
}

CarryHint ShopItemWorld::carryHint(const irr::core::vector3df& heroPosition, int facing) const
{
    const VisualItemPtr& carried = items.getCarried();
    if (!carried) {
        const VisualItemPtr nearest = items.nearestPickUp(heroPosition);
        if (!nearest)
            return CarryHint::NONE;
        if (nearest->getKind() == ITEM_DOUGH)
            return CarryHint::PICK_UP_DOUGH;
        return nearest->getKind() == ITEM_TRAY ? CarryHint::PICK_UP_TRAY : CarryHint::PICK_UP_BOX;
    }
    const std::optional<size_t> field = items.dropTarget(heroPosition, facing);
    if (!field)
        return CarryHint::NONE;
    if (*field == FIELD_OVEN)
        return CarryHint::INTO_OVEN;
    if (*field == FIELD_WASTE)
        return CarryHint::THROW_AWAY;
    return *field == FIELD_TABLE && carried->getKind() == ITEM_BOX ? CarryHint::UNPACK : CarryHint::PUT_DOWN;
}

void ShopItemWorld::update(uint32_t /*elapsedMs*/, const irr::core::vector3df& heroPosition, int heroFacing)
{
    items.update(gGameData->world.minuteOfDay);
    items.carryAlong(heroPosition, heroFacing);
}

} // namespace Lumo
