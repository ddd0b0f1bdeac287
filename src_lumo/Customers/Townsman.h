#pragma once
// A person of the town who may come to the shop, and how much they value each kind of good.
#include "src_lumo/Bakery/GoodKind.h"

#include <array>
#include <cstdint>

namespace Lumo {

struct Townsman {
    static constexpr int32_t kMerchantType = 1;

    int32_t type = 0;
    std::array<float, kGoodKinds> liking = {}; // by good kind; kind 0 is never liked

    bool isMerchant() const { return type == kMerchantType; }
    float likingFor(int32_t kind) const { return kind > 0 && kind < kGoodKinds ? liking[kind] : 0.0f; }
};

} // namespace Lumo
