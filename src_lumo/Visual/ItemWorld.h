#pragma once
// What the visual needs of the items on the floor, the shelves and the tables: what the baker
// carries, what lies on the work table, the day's letter, the C key and the day's clean-up.
// The visual items implement it; without them nothing can be carried.
#include <irrlicht.h>

#include <cstdint>

namespace Lumo {

// What the C key would do where the baker stands.
enum class CarryHint { NONE, PICK_UP_DOUGH, PICK_UP_TRAY, PICK_UP_BOX, PUT_DOWN, INTO_OVEN, UNPACK, THROW_AWAY };

class ItemWorld {
public:
    virtual ~ItemWorld() = default;
    virtual bool isCarrying() const = 0;
    virtual bool tableIsEmpty() const = 0;
    virtual bool tableHoldsDough() const = 0;
    // Picks the letter up when it lies within reach of the baker; true when she took it.
    virtual bool takeLetterNear(const irr::core::vector3df& heroPosition, float reach) = 0;
    virtual bool letterNear(const irr::core::vector3df& heroPosition, float reach) const = 0;
    virtual void spawnLetter() = 0;
    // The C key: pick up or put down in front of the baker.
    virtual void carryKey(const irr::core::vector3df& heroPosition, int facing) = 0;
    virtual CarryHint carryHint(const irr::core::vector3df& heroPosition, int facing) const = 0;
    // Every frame: items, the carried one following the baker.
    virtual void update(uint32_t elapsedMs, const irr::core::vector3df& heroPosition, int heroFacing) = 0;
    // Going to bed: the day's items and the letter go.
    virtual void clearDay() = 0;
    // While something is carried, the places that would take it, as white boxes in the scene.
    virtual void drawMarkedBoxes(irr::video::IVideoDriver* driver) const = 0;
};

} // namespace Lumo
