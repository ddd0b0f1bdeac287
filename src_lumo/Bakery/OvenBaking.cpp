#include "src_lumo/Bakery/OvenBaking.h"

#include <cmath>

namespace Lumo {

bool OvenBaking::update(int32_t minuteOfDay, Tray* trayInside) {
    if (!trayInside) {
        const bool changed = baking || effects != 0;
        baking = false;
        effects = 0;
        return changed;
    }
    if (!baking) {
        baking = true;
        startMinute = minuteOfDay;
        elapsed = 0;
    }
    const int32_t minutes = minuteOfDay - startMinute;
    if (minutes == elapsed)
        return false;
    if (minutes < elapsed) {
        // The clock went back (a new day, a story jump): start a new period rather than unbake.
        startMinute = minuteOfDay;
        elapsed = 0;
        return false;
    }
    const int32_t delta = minutes - elapsed;
    elapsed = minutes;
    for (BakedGood& good : trayInside->goods) {
        good.bake(delta);
        effects = good.stage;
        if (good.stage == 4)
            burn = int32_t(std::lround(good.bakedMinutes - 1.5 * good.targetMinutes));
    }
    return true;
}

} // namespace Lumo
