#include "src_lumo/Bakery/Tray.h"

#include "src_lumo/Bakery/GoodKind.h"

#include <algorithm>

namespace Lumo {

Tray Tray::fromDough(const Dough& dough) {
    Tray tray;
    BakedGood good;
    good.kind = dough.kind;
    good.targetMinutes = dough.bakeMinutes;
    tray.goods.assign(size_t(std::max(dough.batches, 0)), good);
    return tray;
}

bool Tray::hasUnknownGood() const {
    return std::any_of(goods.begin(), goods.end(), [](const BakedGood& good) { return good.kind == kUnknownGood; });
}

} // namespace Lumo
