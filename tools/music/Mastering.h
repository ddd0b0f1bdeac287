#pragma once
// Brings every piece to the same loudness, never letting a peak reach full scale.
#include "StereoBuffer.h"

namespace music {

struct Levels {
    double peak = 0.0; // largest sample, 1.0 = full scale
    double rms = 0.0;
};

Levels measure(const StereoBuffer& buffer);

// Scales towards targetRms, but never so far that the peak passes ceiling. Returns the result.
Levels normalise(StereoBuffer& buffer, double targetRms, double ceiling);

double toDecibels(double level);

} // namespace music
