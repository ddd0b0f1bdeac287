#pragma once
// How far a good has baked: the stage its baked minutes reach against its baking time, the
// quality each stage gives, and the picture each good shows at each stage.
#include <cstdint>
#include <string>

namespace Lumo {

enum BakingStageNumber : int32_t { STAGE_RAW = 1, STAGE_BAKED = 2, STAGE_DARK = 3, STAGE_BURNT = 4 };

class BakingStage {
public:
    // Raw up to 0.9 of the baking time, baked up to 1.1, dark up to 1.5, burnt beyond.
    static int32_t forMinutes(int32_t bakedMinutes, int32_t bakeMinutes);
    // Raw goods have no quality yet; they report 0.
    static float qualityOf(int32_t stage);
    // "item_bun_2" and so on; a good of unknown type (a dough that matched no recipe) shows
    // "item_unknown" at every stage.
    static std::wstring frameName(int32_t goodsType, int32_t stage);
};

} // namespace Lumo
