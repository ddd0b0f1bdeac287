#pragma once
// The bar next door. The barman keeps the merchant's tools behind the counter, so a baker who
// missed the merchant can still buy them here, at the same price and under the same flags.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/IShopSequences.h"
#include "src_lumo/Shop/MenuKeys.h"

namespace Lumo {

class BarMenue {
public:
    static constexpr int32_t kAnswerBuyTool = 2;
    static constexpr int32_t kAnswerClose = -1;

    explicit BarMenue(WorldState& world);

    void open();
    int32_t input(const InputRecord& now);
    bool buyTool(IShopSequences& sequences);

    int cursorRow() const { return cursor; }

private:
    WorldState& world;
    MenuKeys keys;
    int cursor = 1;
};

} // namespace Lumo
