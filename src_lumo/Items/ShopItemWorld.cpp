#include "src_lumo/Items/ShopItemWorld.h"

#include "src_lumo/Game/GameData.h"

namespace Lumo {

const irr::core::vector3df ShopItemWorld::kLetterSpot(842.f, 0.5f, 551.f);

bool ShopItemWorld::tableHoldsDough() const
{
    const VisualItemPtr onTable = items.getField(FIELD_TABLE).firstItem();
    return onTable && onTable->getKind() == ITEM_DOUGH;
}

bool ShopItemWorld::takeLetterNear(const irr::core::vector3df& heroPosition, float reach)
{
    for (const VisualItemPtr& item : items.getItems()) {
        const irr::core::vector3df p = item->getPosition();
        const irr::core::vector3df onFloor(p.X - heroPosition.X, 0.f, p.Z - heroPosition.Z);
        if (item->getKind() == ITEM_LETTER && onFloor.getLength() < reach) {
            items.remove(item);
            return true;
        }
    }
    return false;
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

void ShopItemWorld::update(uint32_t /*elapsedMs*/, const irr::core::vector3df& heroPosition, int heroFacing)
{
    items.update(gGameData->world.minuteOfDay);
    items.carryAlong(heroPosition, heroFacing);
}

} // namespace Lumo
