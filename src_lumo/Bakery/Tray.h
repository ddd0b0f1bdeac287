#pragma once
// The goods on one baking tray. Kneading a dough fills a tray with one good per batch.
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Bakery/Dough.h"

#include <vector>

namespace Lumo {

struct Tray {
    std::vector<BakedGood> goods;

    static Tray fromDough(const Dough& dough);
    // The oven refuses a tray with a failed experiment on it.
    bool hasUnknownGood() const;
    bool fitsInOven() const { return !goods.empty() && !hasUnknownGood(); }
};

} // namespace Lumo
