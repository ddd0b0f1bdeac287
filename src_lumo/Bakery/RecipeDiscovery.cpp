#include "src_lumo/Bakery/RecipeDiscovery.h"

#include "src_lumo/Bakery/GoodKind.h"

namespace Lumo {

namespace {

bool between(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

} // namespace

int32_t RecipeDiscovery::matchKind(const IngredientRow& perBatch, int32_t batches,
                                   const FlagsAndPopularity& story) {
    if (batches == 0)
        return kUnknownGood;
    const int32_t f = perBatch[kFlour], b = perBatch[kButter], s = perBatch[kSugar], m = perBatch[kMilk],
                  a = perBatch[kEgg];
    const bool flourOnly = b == 0 && s == 0 && m == 0 && a == 0;
    int32_t kind = kUnknownGood;
    if (between(f, 250, 500) && flourOnly)
        kind = kBoule;
    if (between(f, 500, 1000) && flourOnly && story.flag("GOT_BREADBOX") == 1)
        kind = kBread;
    if (f == 0) {
        if (b == 0 && between(s, 25, 100) && m == 0 && a >= 1 && story.flag("GOT_FBAG") == 1)
            kind = kBaiser;
        return kind;
    }
    if (between(f, 30, 100) && between(b, 30, 100) && s <= 50 && between(m, 30, 100) && a == 0)
        kind = kCrossaint;
    if (between(f, 20, 100) && between(b, 10, 50) && s >= 5 && m == 0 && a == 0)
        kind = kDonut;
    return kind;
}

RecipeDiscovery::Result RecipeDiscovery::finishKneading(Dough& dough, GoodsTable& goods,
                                                        const FlagsAndPopularity& story) {
    Result result;
    result.kind = dough.kind;
    if (dough.kind != kUnknownGood)
        return result;
    result.kind = matchKind(dough.perBatch, dough.batches, story);
    if (result.kind == kUnknownGood)
        return result;
    dough.kind = result.kind;
    dough.bakeMinutes = goods.entry(result.kind).bakeMinutes;
    result.newlyUnlocked = goods.unlock(result.kind);
    return result;
}

} // namespace Lumo
