#pragma once
// Plays a score into a stereo buffer exactly one loop long. Everything that sounds past the
// end (releases, the hall's tail) is folded onto the start, as if the piece had just looped, so
// the buffer repeats without a seam.
#include "InstrumentBank.h"
#include "Score.h"
#include "StereoBuffer.h"

namespace music {

class Renderer {
public:
    StereoBuffer render(const Score& score) const;

private:
    InstrumentBank instruments;
};

} // namespace music
