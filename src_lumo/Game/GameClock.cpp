#include "src_lumo/Game/GameClock.h"

#include "src_lumo/Game/WorldState.h"

#include <climits>

namespace Lumo {

ClockTick GameClock::advance(WorldState& world, uint32_t elapsedMs, bool mayRun) {
    // While the clock stands the milliseconds keep gathering; they must not wrap negative.
    const int64_t gathered = static_cast<int64_t>(world.clockMs) + elapsedMs;
    world.clockMs = gathered > INT_MAX ? INT_MAX : static_cast<int>(gathered);
    ClockTick tick;
    if (!mayRun || world.clockMs <= kMillisPerMinute)
        return tick;
    tick.due = true;
    const int minute = world.minuteOfDay;
    tick.musicDue = minute == 17 * 60 || minute == WorldState::kNoon || minute == 6 * 60;
    if (minute < WorldState::kClockStop) {
        world.minuteOfDay = minute + 1;
        world.clockMs = 0;
        if (world.minuteOfDay > 1440)
            world.minuteOfDay = 0;
    }
    tick.postmanDue = world.minuteOfDay == kPostmanMinute;
    return tick;
}

} // namespace Lumo
