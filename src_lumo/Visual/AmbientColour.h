#pragma once
// The scene's tint by the time of day: night blue, a dawn through grey to daylight, an orange dusk.
#include <cstdint>

namespace Lumo {

class AmbientColour {
public:
    static constexpr uint32_t kNight = 0xFF363256;
    static constexpr uint32_t kDay = 0xFFFFFFFF;
    static constexpr uint32_t kWarm = 0xFFDCAA64; // scheme 1, whatever the time

    static uint32_t at(int minuteOfDay, int scheme);
    // Per ARGB channel, rounded to nearest.
    static uint32_t lerp(uint32_t from, uint32_t to, float fraction);
};

} // namespace Lumo
