#include "Mastering.h"

#include <algorithm>
#include <cmath>

namespace music {

Levels measure(const StereoBuffer& buffer) {
    Levels levels;
    double sumOfSquares = 0.0;
    for (const std::vector<float>* side : {&buffer.left, &buffer.right})
        for (const float sample : *side) {
            levels.peak = std::max(levels.peak, static_cast<double>(std::fabs(sample)));
            sumOfSquares += static_cast<double>(sample) * sample;
        }
    const size_t count = 2 * buffer.frames();
    levels.rms = count ? std::sqrt(sumOfSquares / static_cast<double>(count)) : 0.0;
    return levels;
}

Levels normalise(StereoBuffer& buffer, double targetRms, double ceiling) {
    const Levels before = measure(buffer);
    if (before.peak <= 0.0)
        return before;
    const auto gain = static_cast<float>(std::min(targetRms / before.rms, ceiling / before.peak));
    for (std::vector<float>* side : {&buffer.left, &buffer.right})
        for (float& sample : *side)
            sample *= gain;
    return measure(buffer);
}

double toDecibels(double level) { return 20.0 * std::log10(std::max(level, 1e-9)); }

} // namespace music
