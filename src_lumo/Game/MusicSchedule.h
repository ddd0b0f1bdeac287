#pragma once
// The day's three pieces play silently all the time on channels 2, 3 and 4; the hour decides
// which one is faded in.
#include <cstdint>

namespace Lumo {

class MusicSchedule {
public:
    static constexpr int32_t kMorningChannel = 2;
    static constexpr int32_t kAfternoonChannel = 3;
    static constexpr int32_t kEveningChannel = 4;
    static constexpr float kFadeMillis = 1000.0f;

    // Queues the three looping pieces at volume 0.
    static void startSilentChannels();
    // Fades in the piece of the hour and out the others.
    static void chooseFor(int minuteOfDay);
    static void fadeIn(int32_t channel);
    static void fadeOut(int32_t channel);
};

} // namespace Lumo
