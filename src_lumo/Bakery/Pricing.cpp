#include "src_lumo/Bakery/Pricing.h"

#include <cmath>

namespace Lumo {

int32_t referencePrice(const std::vector<BakedGood>& goods) {
    int32_t total = 0;
    for (const BakedGood& good : goods)
        total += int32_t(std::lround(basePrice(good.kind) * good.quality));
    return total;
}

int64_t merchantPrice(const IngredientRow& order) {
    return 25 * int64_t(order[kFlour] / 100) + 500 * int64_t(order[kButter] / 250) +
           500 * int64_t(order[kSugar] / 10) + 100 * int64_t(order[kMilk] / 100) + 100 * int64_t(order[kEgg]);
}

float popularityGain(const std::vector<BakedGood>& sold, const Townsman& buyer, int32_t askedPrice,
                     int32_t reference) {
    float sum = 0.0f;
    for (const BakedGood& good : sold)
        sum += good.quality * buyer.likingFor(good.kind);
    float factor = 1.0f;
    if (askedPrice < reference)
        factor = 2.0f;
    else if (askedPrice > reference)
        factor = 0.5f;
    return sum * factor;
}

} // namespace Lumo
