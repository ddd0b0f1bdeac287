#include "src_lumo/Bakery/Ingredients.h"

namespace Lumo {

int64_t ingredientWeight(const IngredientRow& amounts, int32_t batches) {
    const int64_t perBatch = int64_t(amounts[kFlour]) + amounts[kButter] + amounts[kSugar] + amounts[kMilk] +
                             int64_t(kEggWeight) * amounts[kEgg];
    return perBatch * batches;
}

bool stockHolds(const IngredientRow& stock, const IngredientRow& perBatch, int32_t batches) {
    for (int slot = 0; slot < kIngredientSlots; ++slot)
        if (stock[slot] < int64_t(perBatch[slot]) * batches)
            return false;
    return true;
}

void takeFromStock(IngredientRow& stock, const IngredientRow& perBatch, int32_t batches) {
    for (int slot = 0; slot < kIngredientSlots; ++slot)
        stock[slot] -= perBatch[slot] * batches;
}

void addToStock(IngredientRow& stock, const IngredientRow& amounts) {
    for (int slot = 0; slot < kIngredientSlots; ++slot)
        stock[slot] += amounts[slot];
}

const char* ingredientLabelId(int slot) {
    static const char* const labels[kIngredientSlots] = {"MENU_FLOUR", "MENU_BUTTER", "MENU_SUGAR",
                                                         "MENU_MILK",  "MENU_EGG",    ""};
    return slot >= 0 && slot < kIngredientSlots ? labels[slot] : "";
}

} // namespace Lumo
