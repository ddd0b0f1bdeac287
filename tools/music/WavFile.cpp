#include "WavFile.h"

#include "InstrumentBank.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace music {

namespace {
void put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

uint32_t toPcm(float sample) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    return static_cast<uint32_t>(static_cast<int16_t>(value)) & 0xFFFF;
}
} // namespace

bool writeWav(const std::string& fileName, const StereoBuffer& buffer) {
    std::ofstream out(fileName, std::ios::binary);
    const auto dataBytes = static_cast<uint32_t>(buffer.frames() * 4);
    out.write("RIFF", 4);
    put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 2, 2); // stereo
    put(out, kSampleRate, 4);
    put(out, kSampleRate * 4, 4);
    put(out, 4, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (size_t i = 0; i < buffer.frames(); ++i) {
        put(out, toPcm(buffer.left[i]), 2);
        put(out, toPcm(buffer.right[i]), 2);
    }
    return static_cast<bool>(out);
}

} // namespace music
