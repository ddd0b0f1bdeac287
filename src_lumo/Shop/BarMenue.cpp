#include "src_lumo/Shop/BarMenue.h"

#include "src_lumo/Shop/ToolShop.h"

#include <algorithm>

namespace Lumo {

BarMenue::BarMenue(WorldState& world) : world(world) {}

void BarMenue::open() {
    cursor = 1;
    keys.open();
}

int32_t BarMenue::input(const InputRecord& now) {
    int32_t answer = 0;
    if (!keys.swallowedByLatch(now)) {
        if (keys.spacePressed(now))
            answer = kAnswerBuyTool;
        else if (keys.xPressed(now))
            answer = kAnswerClose;
        else if (now.moveY != 0) {
            cursor = std::clamp(cursor - now.moveY, 1, ToolShop::kRows);
            keys.latch();
        } else if (now.moveX != 0) {
            keys.latch();
        }
    }
    keys.remember(now);
    return answer;
}

bool BarMenue::buyTool(IShopSequences& sequences) { return ToolShop::buy(cursor, world, sequences); }

} // namespace Lumo
