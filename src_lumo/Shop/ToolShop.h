#pragma once
// The two tools for sale, the flags that list them, and what buying one does. The merchant's
// tools page and the bar show the same list.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Shop/IShopSequences.h"

namespace Lumo {

class ToolShop {
public:
    static constexpr int kLoafPan = 1;
    static constexpr int kPipingBag = 2;
    static constexpr int kRows = 3;

    // Whether the list shows the tool at this row (the loaf pan only once the merchant trusts
    // the baker, each tool only until it is bought).
    static bool isOffered(int row, const FlagsAndPopularity& story);
    // Buys the tool at this row if it is offered and affordable; true when it was bought.
    static bool buy(int row, WorldState& world, IShopSequences& sequences);

    static int32_t price(int row);
    static const char* nameId(int row);
    static const char* priceId(int row);
};

} // namespace Lumo
