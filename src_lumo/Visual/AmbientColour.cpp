#include "src_lumo/Visual/AmbientColour.h"

#include <cmath>

namespace Lumo {

namespace {

constexpr uint32_t kBeforeMidnight = 0xFFC89600;
constexpr uint32_t kDawn = 0xFFAF9D8F;
constexpr uint32_t kDusk = 0xFFDF8549;

float hourFraction(int minute, int hourStart) { return static_cast<float>(minute - hourStart) / 60.0f; }

} // namespace

uint32_t AmbientColour::lerp(uint32_t from, uint32_t to, float fraction) {
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float a = static_cast<float>((from >> shift) & 0xFF);
        const float b = static_cast<float>((to >> shift) & 0xFF);
        const auto channel = static_cast<uint32_t>(std::lround(a + (b - a) * fraction));
        result |= (channel & 0xFF) << shift;
    }
    return result;
}

uint32_t AmbientColour::at(int m, int scheme) {
    if (scheme == 1)
        return kWarm;
    if (m < 0)
        return kBeforeMidnight;
    if (m <= 360)
        return kNight;
    if (m <= 420)
        return lerp(kNight, kDawn, hourFraction(m, 360));
    if (m <= 480)
        return lerp(kDawn, kDay, hourFraction(m, 420));
    if (m <= 1020)
        return kDay;
    if (m <= 1080)
        return lerp(kDay, kDusk, hourFraction(m, 1020));
    if (m <= 1140)
        return lerp(kDusk, kNight, hourFraction(m, 1080));
    return kNight;
}

} // namespace Lumo
