#pragma once
// The money rules of the shop: the fair price of goods on offer, the merchant's prices, and how
// much a sale moves the popularity.
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Bakery/Ingredients.h"
#include "src_lumo/Customers/Townsman.h"

#include <vector>

namespace Lumo {

constexpr int32_t kLoafPanPrice = 1000;
constexpr int32_t kPipingBagPrice = 1500;

// Sum of round(base price x quality); a burnt good adds nothing.
int32_t referencePrice(const std::vector<BakedGood>& goods);
// An order counted in the merchant's units (flour in 100s, butter in 250s, sugar in 10s, ...).
int64_t merchantPrice(const IngredientRow& order);
// Quality times liking, doubled for a price under the reference and halved for one above.
float popularityGain(const std::vector<BakedGood>& sold, const Townsman& buyer, int32_t askedPrice,
                     int32_t reference);

} // namespace Lumo
