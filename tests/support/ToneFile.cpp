#include "support/ToneFile.h"

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <utility>

namespace {
constexpr int kRate = 22050;

void putLittleEndian(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}
} // namespace

ToneFile::ToneFile(int millis) : filePath(folder.file("tone.wav")) {
    const uint32_t frames = static_cast<uint32_t>(kRate) * static_cast<uint32_t>(millis) / 1000;
    std::ofstream out(filePath, std::ios::binary);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + frames * 2, 4);
    out.write("WAVEfmt ", 8);
    // Format chunk: its size, PCM, mono, the rate, bytes a second, bytes a frame, bits a sample.
    for (const auto& [value, bytes] : {std::pair<uint32_t, int>{16, 4}, {1, 2}, {1, 2}, {kRate, 4}, {kRate * 2, 4},
                                       {2, 2}, {16, 2}})
        putLittleEndian(out, value, bytes);
    out.write("data", 4);
    putLittleEndian(out, frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        const double sample = 8000.0 * std::sin(2.0 * M_PI * 440.0 * i / kRate);
        putLittleEndian(out, static_cast<uint32_t>(static_cast<int16_t>(sample)) & 0xFFFF, 2);
    }
}

void useDummyAudioOutput() { SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE); }
