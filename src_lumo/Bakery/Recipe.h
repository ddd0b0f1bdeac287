#pragma once
// One entry of the goods table: what a good needs per batch, how many batches fit a tray, how
// long it bakes and where its four stage pictures lie in "lumodata/items.png".
#include "src_lumo/Bakery/Ingredients.h"

#include <array>
#include <string>

namespace Lumo {

struct FrameRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Recipe {
    int32_t id = 0;
    bool unlocked = false;
    IngredientRow amounts = {};
    int32_t maxBatches = 1;
    int32_t bakeMinutes = 30;
    std::string name = "missingo";
    std::array<FrameRect, 4> frames = {};
};

} // namespace Lumo
