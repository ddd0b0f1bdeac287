#include "src_lumo/Bakery/GoodsTable.h"

#include "src_lumo/Bakery/GoodKind.h"

#include <cctype>

namespace Lumo {

namespace {

struct StartingGood {
    const char* name;
    bool unlocked;
    IngredientRow amounts;
    int32_t maxBatches;
    int32_t bakeMinutes;
    int32_t frameLeft;
    int32_t frameRight;
};

const StartingGood kStartingGoods[] = {
    {"unknown", true, {0, 0, 0, 0, 0, 0}, 1, 30, 94, 126},
    {"bun", true, {50, 0, 0, 0, 0, 0}, 4, 30, 0, 32},
    {"boule", false, {250, 0, 0, 0, 0, 0}, 2, 45, 64, 96},
    {"bread", false, {500, 0, 0, 0, 0, 0}, 1, 60, 32, 64},
    {"crossaint", false, {30, 30, 0, 30, 0, 0}, 4, 20, 96, 128},
    {"baguette", false, {200, 0, 0, 0, 0, 0}, 2, 40, 128, 192},
    {"baiser", false, {0, 0, 50, 0, 0, 0}, 4, 10, 192, 224},
    {"donut", false, {100, 50, 50, 0, 0, 0}, 4, 20, 224, 256},
};

// Stage n of a real good sits one 32-pixel row below stage n - 1; the unknown good has one row.
FrameRect stageFrame(int32_t id, int32_t left, int32_t right, int stage) {
    if (id == kUnknownGood)
        return {left, 32, right, 64};
    return {left, 32 + 32 * stage, right, 64 + 32 * stage};
}

} // namespace

GoodsTable::GoodsTable() {
    for (int32_t id = 0; id < kSlots; ++id)
        slots[id].id = id;
}

void GoodsTable::fillStartingGoods() {
    int32_t id = 0;
    for (const StartingGood& good : kStartingGoods) {
        Recipe& recipe = slots[id];
        recipe.id = id;
        recipe.name = good.name;
        recipe.unlocked = good.unlocked;
        recipe.amounts = good.amounts;
        recipe.maxBatches = good.maxBatches;
        recipe.bakeMinutes = good.bakeMinutes;
        for (int stage = 1; stage <= 4; ++stage)
            recipe.frames[stage - 1] = stageFrame(id, good.frameLeft, good.frameRight, stage);
        ++id;
    }
}

const Recipe& GoodsTable::entry(int32_t id) const { return slots[contains(id) ? id : kUnknownGood]; }

bool GoodsTable::unlock(int32_t id) {
    if (!contains(id) || slots[id].unlocked)
        return false;
    slots[id].unlocked = true;
    return true;
}

std::string GoodsTable::labelId(int32_t id) const {
    std::string label = "GOOD_";
    for (char c : entry(id).name)
        label += char(std::toupper(static_cast<unsigned char>(c)));
    return label;
}

} // namespace Lumo
