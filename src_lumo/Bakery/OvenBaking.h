#pragma once
// The oven's rule: while a tray is inside, every change of the game clock bakes its goods by
// the minutes that passed. The visual oven shows the stage this reports with its smoke.
#include "src_lumo/Bakery/Tray.h"

namespace Lumo {

class OvenBaking {
public:
    // Called every frame with the clock and the tray in the oven (null when empty). True when the
    // smoke should change: the minute count moved or the oven became empty.
    bool update(int32_t minuteOfDay, Tray* trayInside);

    bool isBaking() const { return baking; }
    int32_t elapsedMinutes() const { return elapsed; }
    int32_t effectsStage() const { return effects; } // 0 empty, else the last good's stage
    int32_t burnAmount() const { return burn; }       // minutes past burning, for the smoke's size

private:
    bool baking = false;
    int32_t startMinute = 0;
    int32_t elapsed = 0;
    int32_t effects = 0;
    int32_t burn = 0;
};

} // namespace Lumo
