#include "src_lumo/Bakery/Dough.h"

namespace Lumo {

Dough Dough::fromRecipe(const GoodsTable& goods, int32_t recipeId, const IngredientRow& perBatch,
                        int32_t batches) {
    Dough dough;
    dough.kind = goods.contains(recipeId) ? recipeId : 0;
    dough.perBatch = perBatch;
    dough.batches = batches;
    // A free dough that matches nothing can never go into the oven (a tray with an unknown good is
    // refused), so its time only shows in the menu; the unknown entry's 30 minutes reads sensibly.
    dough.bakeMinutes = goods.entry(dough.kind).bakeMinutes;
    return dough;
}

std::string Dough::pictureForWeight(int64_t weight) {
    static const int64_t lowerBounds[] = {2500, 1000, 500, 250, 100, 20};
    int picture = 7;
    for (const int64_t bound : lowerBounds) {
        if (weight >= bound)
            return "item_dough_" + std::to_string(picture);
        --picture;
    }
    return "item_dough_1";
}

} // namespace Lumo
