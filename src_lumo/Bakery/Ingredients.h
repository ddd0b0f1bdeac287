#pragma once
// The six ingredient slots every amount in the bakery is counted in, and the arithmetic the
// stocks, recipes and boxes share.
#include <array>
#include <cstdint>

namespace Lumo {

enum IngredientSlot { kFlour = 0, kButter, kSugar, kMilk, kEgg, kSpareSlot, kIngredientSlots };

using IngredientRow = std::array<int32_t, kIngredientSlots>;

constexpr int32_t kEggWeight = 50;
// The merchant sells in these units, slot by slot; the spare slot is never sold.
constexpr IngredientRow kMerchantSteps = {100, 250, 10, 100, 1, 0};

// flour + butter + sugar + milk + 50 x eggs, all times the batch count.
int64_t ingredientWeight(const IngredientRow& amounts, int32_t batches = 1);
bool stockHolds(const IngredientRow& stock, const IngredientRow& perBatch, int32_t batches);
void takeFromStock(IngredientRow& stock, const IngredientRow& perBatch, int32_t batches);
void addToStock(IngredientRow& stock, const IngredientRow& amounts);
// The menu label of a slot ("MENU_FLOUR" ...), empty for the spare slot.
const char* ingredientLabelId(int slot);

} // namespace Lumo
