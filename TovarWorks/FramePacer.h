#pragma once
// Paces the main loop: no faster than the player's frame cap, and only a few frames a second while
// the window is in the background, so a game left open does not keep a core busy. The clock and
// the sleep are handed in: tests pace on a clock of their own.
#include <cstdint>
#include <functional>

namespace TovarWorks {

class FramePacer {
public:
    using Clock = std::function<double()>; // milliseconds, any origin
    using Sleep = std::function<void(double millis)>;
    static constexpr uint32_t kBackgroundFps = 4;

    FramePacer(Clock clock, Sleep sleep) : clock(std::move(clock)), sleep(std::move(sleep)) {}
    // The steady clock and a real sleep.
    static FramePacer realTime();

    // 0 lets the loop run free (vsync, where the driver has it, may still pace it).
    void setMaxFps(uint32_t fps) { maxFps = fps; }
    uint32_t getMaxFps() const { return maxFps; }

    // Returns when the next frame is due. A frame that ran late moves the schedule on instead of
    // rushing the following frames to catch up.
    void waitForNextFrame(bool inBackground);

private:
    Clock clock;
    Sleep sleep;
    uint32_t maxFps = 60;
    bool started = false;
    double due = 0.0;
};

// Whether the window is in the background: minimised, or without the focus it once had. A window
// that never had the focus (a session without a window manager) counts as in front.
class WindowWatch {
public:
    bool inBackground(bool focused, bool minimised) {
        everFocused = everFocused || focused;
        return minimised || (everFocused && !focused);
    }

private:
    bool everFocused = false;
};

} // namespace TovarWorks
