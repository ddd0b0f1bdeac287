#pragma once
// The oven: its mesh, the one spot a tray slides into, and the baking that counts the game
// minutes a tray spends inside and shows them with flour dust and smoke.
#include "src_lumo/Bakery/OvenBaking.h"
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
    bool isBaking() const { return baking.isBaking(); }
    int32_t getElapsedMinutes() const { return baking.elapsedMinutes(); }

private:
    ItemDropFieldPtr field;
    OvenEffects effects;
    OvenBaking baking;
};

using VisualItemOvenPtr = std::shared_ptr<VisualItemOven>;

} // namespace Lumo
