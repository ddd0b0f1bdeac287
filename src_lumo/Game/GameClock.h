#pragma once
// The bakery's clock: a game minute passes on the first frame after more than 500 ms, and the
// clock stands at 22:00 until the baker goes to bed.
#include <cstdint>

namespace Lumo {

struct WorldState;

struct ClockTick {
    bool due = false;       // more than 500 ms had gathered while the clock may run
    bool musicDue = false;  // the minute before the step was 06:00, 12:00 or 17:00
    bool postmanDue = false; // the step reached 07:15
};

class GameClock {
public:
    static constexpr int kMillisPerMinute = 500;
    static constexpr int kPostmanMinute = 7 * 60 + 15;

    static ClockTick advance(WorldState& world, uint32_t elapsedMs, bool mayRun);
};

} // namespace Lumo
