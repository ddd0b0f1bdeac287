#pragma once
// A lump of dough on the work table: which good it becomes, what went into one batch, how many
// batches, and so how heavy it is and which lump picture it shows.
#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Bakery/Ingredients.h"

#include <string>

namespace Lumo {

struct Dough {
    int32_t kind = 0; // the recipe id; 0 until a free dough matches a discovery rule
    IngredientRow perBatch = {};
    int32_t batches = 1;
    int32_t bakeMinutes = 30;

    static Dough fromRecipe(const GoodsTable& goods, int32_t recipeId, const IngredientRow& perBatch,
                            int32_t batches);

    int64_t weight() const { return ingredientWeight(perBatch, batches); }
    std::string pictureName() const { return pictureForWeight(weight()); }
    // "item_dough_1" for the smallest lump up to "item_dough_7" from 2500.
    static std::string pictureForWeight(int64_t weight);
};

} // namespace Lumo
