#pragma once
// The bakery's items as the visual sees them: the C key, the work table, the morning letter,
// the frame's update and the day's clean-up, played on the game clock and the table stock of
// the shared game data.
#include "src_lumo/Items/BakeryItems.h"
#include "src_lumo/Visual/ItemWorld.h"

namespace Lumo {

class ShopItemWorld : public ItemWorld {
public:
    // The postman leaves the letter at the foot of the counter, on the customers' side and clear of
    // the queue: a place of its own, where no tray can be put over it.
    static const irr::core::vector3df kLetterSpot;

    ShopItemWorld(irr::scene::ISceneManager* manager, const FileLoader& sprites) : items(manager, sprites) {}

    bool isCarrying() const override { return items.getCarried() != nullptr; }
    bool tableIsEmpty() const override { return !items.getField(FIELD_TABLE).firstItem(); }
    bool tableHoldsDough() const override;
    bool takeLetterNear(const irr::core::vector3df& heroPosition, float reach) override;
    bool letterNear(const irr::core::vector3df& heroPosition, float reach) const override {
        return letterWithin(heroPosition, reach) != nullptr;
    }
    void spawnLetter() override;
    void carryKey(const irr::core::vector3df& heroPosition, int facing) override;
    CarryHint carryHint(const irr::core::vector3df& heroPosition, int facing) const override;
    void update(uint32_t elapsedMs, const irr::core::vector3df& heroPosition, int heroFacing) override;
    void clearDay() override { items.clearDayItems(); }
    void drawMarkedBoxes(irr::video::IVideoDriver* driver) const override { items.drawMarkedBoxes(driver); }

    BakeryItems& bakery() { return items; }

private:
    VisualItemPtr letterWithin(const irr::core::vector3df& heroPosition, float reach) const;

    BakeryItems items;
};

} // namespace Lumo
