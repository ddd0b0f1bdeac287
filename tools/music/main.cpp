// music_synth: renders one score into a loopable, mastered WAV.
//   music_synth <piece.score> <piece.wav>
#include "Mastering.h"
#include "Renderer.h"
#include "Score.h"
#include "WavFile.h"

#include <chrono>
#include <cstdio>
#include <exception>

namespace {
// Every piece is brought to this loudness; the quieter, sparser ones stop at the peak ceiling.
constexpr double kTargetRms = 0.14;   // about -17 dBFS
constexpr double kPeakCeiling = 0.89; // about -1 dBFS
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <piece.score> <piece.wav>\n", argv[0]);
        return 2;
    }
    try {
        const auto began = std::chrono::steady_clock::now();
        const music::Score score = music::readScore(argv[1]);
        music::StereoBuffer buffer = music::Renderer().render(score);
        const music::Levels levels = music::normalise(buffer, kTargetRms, kPeakCeiling);
        if (!music::writeWav(argv[2], buffer)) {
            std::fprintf(stderr, "cannot write %s\n", argv[2]);
            return 1;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began;
        std::printf("%s: %d bars, %.1f s, peak %.1f dBFS, rms %.1f dBFS, rendered in %.2f s\n",
                    argv[2], score.bars, score.lengthSeconds(), music::toDecibels(levels.peak),
                    music::toDecibels(levels.rms), took.count());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
