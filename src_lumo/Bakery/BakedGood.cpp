#include "src_lumo/Bakery/BakedGood.h"

#include "src_lumo/Bakery/GoodKind.h"

namespace Lumo {

int32_t BakedGood::stageFor(int32_t bakedMinutes, int32_t targetMinutes) {
    // Whole numbers keep the borders exact: 9 minutes of a 10-minute good is still raw.
    const int64_t tenfold = int64_t(bakedMinutes) * 10;
    if (tenfold > int64_t(targetMinutes) * 15)
        return 4;
    if (tenfold > int64_t(targetMinutes) * 11)
        return 3;
    if (tenfold > int64_t(targetMinutes) * 9)
        return 2;
    return 1;
}

void BakedGood::bake(int32_t minutes) {
    if (minutes <= 0)
        return;
    bakedMinutes += minutes;
    const int32_t reached = stageFor(bakedMinutes, targetMinutes);
    if (reached <= stage)
        return;
    stage = reached;
    done = true;
    static const float qualityByStage[] = {0.0f, 0.0f, 1.0f, 0.5f, 0.0f};
    quality = qualityByStage[stage];
}

std::string BakedGood::frameName() const { return goodFrameName(kind, stage); }

} // namespace Lumo
