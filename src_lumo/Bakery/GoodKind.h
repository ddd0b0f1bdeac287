#pragma once
// Kinds of goods on trays and in the sell menu, their base prices and their stage pictures.
#include <cstdint>
#include <string>

namespace Lumo {

enum GoodKind : int32_t {
    kUnknownGood = 0,
    kBun,
    kBoule,
    kBread,
    kCrossaint,
    kBaguette,
    kBaiser,
    kDonut,
    kZwieback,
    kMelonpan,
    kGoodKinds
};

// The fair price of one good of a kind at quality 1.0; 0 for an unknown kind.
int32_t basePrice(int32_t kind);
// The sprite id of a kind at a stage 1..4 ("item_bun_2"); empty where the sheet has no picture.
std::string goodFrameName(int32_t kind, int32_t stage);

} // namespace Lumo
