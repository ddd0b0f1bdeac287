#pragma once
// Turns a kneaded free dough into a known good when its per-batch amounts match one of the
// discovery rules, unlocking that recipe the first time.
#include "src_lumo/Bakery/Dough.h"
#include "src_lumo/Game/FlagsAndPopularity.h"

namespace Lumo {

class RecipeDiscovery {
public:
    // The kind the amounts make (0 for none). Later rules win over earlier ones.
    static int32_t matchKind(const IngredientRow& perBatch, int32_t batches, const FlagsAndPopularity& story);

    struct Result {
        int32_t kind = 0;
        bool newlyUnlocked = false; // the goods remark sequence should start
    };
    // Only a dough of the free recipe is tested; a chosen recipe keeps its kind.
    static Result finishKneading(Dough& dough, GoodsTable& goods, const FlagsAndPopularity& story);
};

} // namespace Lumo
