#include "TovarWorks/FramePacer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace TovarWorks {

FramePacer FramePacer::realTime() {
    return FramePacer(
        [] {
            using namespace std::chrono;
            return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
        },
        [](double millis) { std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(millis)); });
}

void FramePacer::waitForNextFrame(bool inBackground) {
    const uint32_t fps = inBackground ? (maxFps == 0 ? kBackgroundFps : std::min(maxFps, kBackgroundFps)) : maxFps;
    if (fps == 0) {
        started = false;
        return;
    }
    const double now = clock();
    const double interval = 1000.0 / fps;
    if (!started || std::abs(now - due) > interval) {
        // The first frame, one far behind, or back from the slow background pace: start afresh.
        started = true;
        due = now;
    }
    if (now < due)
        sleep(due - now);
    due += interval;
}

} // namespace TovarWorks
