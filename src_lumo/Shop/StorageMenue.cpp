#include "src_lumo/Shop/StorageMenue.h"

#include <algorithm>

namespace Lumo {

StorageMenue::StorageMenue(WorldState& world) : world(world) {}

void StorageMenue::open() {
    counts = {};
    cursor = kFirstRow;
    keys.open();
}

int32_t StorageMenue::input(const InputRecord& now) {
    int32_t answer = 0;
    if (!keys.swallowedByLatch(now)) {
        if (keys.spacePressed(now) && cursor == kTakeRow)
            answer = kAnswerTake;
        else if (keys.xPressed(now))
            answer = kAnswerClose;
        else if (now.moveY != 0) {
            cursor = std::clamp(cursor - now.moveY, kFirstRow, kTakeRow);
            keys.latch();
        } else if (now.moveX != 0) {
            changeRow(now.moveX);
            keys.latch();
        }
    }
    keys.remember(now);
    return answer;
}

void StorageMenue::changeRow(int direction) {
    if (cursor < kFirstRow || cursor > kEggRow)
        return;
    const int slot = cursor - 1;
    const int32_t step = slot == kEgg ? 1 : kStep;
    if (direction > 0) {
        if (ingredientWeight(counts) > kBoxWeight)
            return;
        // Never more than the storeroom has, even when it holds less than a full step.
        counts[slot] = std::min(counts[slot] + step, std::max(world.storeroomStock[slot], 0));
    } else {
        counts[slot] = std::max(counts[slot] - step, 0);
    }
}

std::optional<IngredientRow> StorageMenue::takeIngredients() {
    if (ingredientWeight(counts) <= 0 || !stockHolds(world.storeroomStock, counts, 1))
        return std::nullopt;
    takeFromStock(world.storeroomStock, counts, 1);
    const IngredientRow box = counts;
    counts = {};
    return box;
}

const char* StorageMenue::rowLabelId(int row) {
    return row == kTakeRow ? "MENU_TAKE" : ingredientLabelId(row - 1);
}

} // namespace Lumo
