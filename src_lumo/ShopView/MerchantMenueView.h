#pragma once
// Draws the merchant's stall: the choice between ingredients and tools, the ingredient order with
// the price of each line and of the whole, or the tools for sale.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Shop/MerchantMenue.h"

namespace Lumo {

class MerchantMenueView {
public:
    static void draw(const MerchantMenue& menu, const WorldState& world);

private:
    static void drawTabs(const MerchantMenue& menu);
    static void drawOrder(const MerchantMenue& menu, const WorldState& world);
};

} // namespace Lumo
