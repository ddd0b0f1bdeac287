#include "src_lumo/Bakery/GoodKind.h"

namespace Lumo {

int32_t basePrice(int32_t kind) {
    static const int32_t prices[kGoodKinds] = {0, 75, 250, 500, 125, 300, 250, 150, 0, 1000};
    return kind >= 0 && kind < kGoodKinds ? prices[kind] : 0;
}

std::string goodFrameName(int32_t kind, int32_t stage) {
    if (stage < 1 || stage > 4)
        return {};
    static const char* const prefixes[kGoodKinds] = {"",           "item_bun_",      "item_bigbun_",
                                                     "item_bread_", "item_crossaint_", "item_baguette_",
                                                     "item_baiser_", "item_donut_",  "item_zwieback_",
                                                     "item_melonpan_"};
    if (kind < kBun || kind >= kGoodKinds)
        return {};
    // Zwieback and melonpan only appear baked, in the main menu.
    if ((kind == kZwieback || kind == kMelonpan) && stage != 2)
        return {};
    // The sheet spells the raw baiser and donut with a double underscore.
    if (stage == 1 && kind == kBaiser)
        return "item__baiser_1";
    if (stage == 1 && kind == kDonut)
        return "item__donut_1";
    return prefixes[kind] + std::to_string(stage);
}

} // namespace Lumo
