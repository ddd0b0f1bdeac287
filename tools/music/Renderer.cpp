#include "Renderer.h"

#include "Reverb.h"

#include <cmath>
#include <stdexcept>

namespace music {

namespace {
constexpr double kTailSeconds = 6.0;
constexpr double kQuarterPi = 0.7853981633974483;
} // namespace

StereoBuffer Renderer::render(const Score& score) const {
    for (const Part& part : score.parts)
        if (!InstrumentBank::knows(part.instrument))
            throw std::invalid_argument("part " + part.name + " has unknown instrument " + part.instrument);
    const auto loopFrames = static_cast<size_t>(std::llround(score.lengthSeconds() * kSampleRate));
    const size_t frames = loopFrames + static_cast<size_t>(kTailSeconds * kSampleRate);
    StereoBuffer mix{std::vector<float>(frames), std::vector<float>(frames)};
    std::vector<float> send(frames);

    for (size_t n = 0; n < score.notes.size(); ++n) {
        const Note& note = score.notes[n];
        const Part& part = score.parts[note.part];
        const std::vector<float> sound = instruments.render(
            part.instrument, note.midi, note.beats * score.secondsPerBeat(), note.velocity,
            static_cast<uint32_t>(n));
        const auto start = static_cast<size_t>(std::llround(note.startBeat * score.secondsPerBeat() * kSampleRate));
        const double angle = (part.pan + 1.0) * kQuarterPi; // equal-power pan
        const auto left = static_cast<float>(part.gain * std::cos(angle) * std::sqrt(2.0));
        const auto right = static_cast<float>(part.gain * std::sin(angle) * std::sqrt(2.0));
        const auto wet = static_cast<float>(part.gain * part.reverb);
        for (size_t i = 0; i < sound.size() && start + i < frames; ++i) {
            mix.left[start + i] += sound[i] * left;
            mix.right[start + i] += sound[i] * right;
            send[start + i] += sound[i] * wet;
        }
    }

    const auto [hallLeft, hallRight] = Reverb().process(send);
    StereoBuffer loop{std::vector<float>(loopFrames), std::vector<float>(loopFrames)};
    for (size_t i = 0; i < frames; ++i) {
        loop.left[i % loopFrames] += mix.left[i] + hallLeft[i];
        loop.right[i % loopFrames] += mix.right[i] + hallRight[i];
    }
    return loop;
}

} // namespace music
