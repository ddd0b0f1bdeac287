#pragma once
// The oven: its mesh, the one spot a tray slides into, and the baking that counts the game
// minutes a tray spends inside and shows them with flour dust and smoke.
#include "src_lumo/Items/ItemDropField.h"
#include "src_lumo/Items/OvenEffects.h"
#include "src_lumo/Items/VisualItem.h"

namespace Lumo {

class VisualItemOven : public VisualItem {
public:
    // placement is the corner of the oven's field on the floor plan.
    VisualItemOven(irr::scene::ISceneNode* node, irr::scene::ISceneManager* manager,
                   const irr::core::vector3df& placement);

    void update(int32_t gameMinute) override;

    const ItemDropFieldPtr& getField() const { return field; }
    const OvenEffects& getEffects() const { return effects; }
    bool isBaking() const { return baking; }
    int32_t getElapsedMinutes() const { return elapsedMinutes; }

private:
    void bakeTray(int32_t minutes);

    ItemDropFieldPtr field;
    OvenEffects effects;
    int32_t startMinute = 0;
    int32_t elapsedMinutes = 0;
    bool baking = false;
};

using VisualItemOvenPtr = std::shared_ptr<VisualItemOven>;

} // namespace Lumo
