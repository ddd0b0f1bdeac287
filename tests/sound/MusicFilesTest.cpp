// The game's music as the game loads it: decoded by SDL_mixer from the runtime folder.
#include "support/ToneFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kFullScale = 32768.0;

struct DecodedPiece {
    std::vector<int16_t> left, right;
    double seconds() const { return static_cast<double>(left.size()) / kRate; }
};

class MusicFilesTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
        opened = true;
    }

    void TearDown() override {
        if (opened)
            Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    static DecodedPiece decode(const std::string& path) {
        DecodedPiece piece;
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (!chunk)
            return piece;
        const auto* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        const size_t frames = chunk->alen / 4;
        for (size_t i = 0; i < frames; ++i) {
            piece.left.push_back(samples[2 * i]);
            piece.right.push_back(samples[2 * i + 1]);
        }
        Mix_FreeChunk(chunk);
        return piece;
    }

    static double rms(const DecodedPiece& piece) {
        double sum = 0.0;
        for (const auto* side : {&piece.left, &piece.right})
            for (const int16_t sample : *side)
                sum += static_cast<double>(sample) * sample;
        return std::sqrt(sum / (2.0 * piece.left.size())) / kFullScale;
    }

    // The step from the last sample to the first, when the piece loops, must look like any
    // ordinary step between neighbours; a click or a gap is many times larger.
    static void expectSeamlessLoop(const std::vector<int16_t>& side) {
        std::vector<int> steps;
        for (size_t i = 1; i < side.size(); ++i)
            steps.push_back(std::abs(side[i] - side[i - 1]));
        std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
        const int medianStep = steps[steps.size() / 2];
        const int loopStep = std::abs(side.front() - side.back());
        EXPECT_LE(loopStep, 4 * medianStep);
        EXPECT_LT(loopStep / kFullScale, 0.05);
    }

    bool opened = false;
};

TEST_P(MusicFilesTest, DecodesLoopsAndStaysBelowFullScale) {
    const DecodedPiece piece = decode(std::string("lumodata/music/") + GetParam() + ".mp3");
    ASSERT_FALSE(piece.left.empty()) << Mix_GetError();
    EXPECT_GE(piece.seconds(), 60.0);
    EXPECT_LE(piece.seconds(), 120.0);

    int peak = 0;
    for (const auto* side : {&piece.left, &piece.right})
        for (const int16_t sample : *side)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
    EXPECT_LT(peak / kFullScale, 0.98);

    // Similar loudness: around -17 dBFS, within 2 dB.
    const double loudness = 20.0 * std::log10(rms(piece));
    EXPECT_NEAR(loudness, -17.0, 2.0);

    expectSeamlessLoop(piece.left);
    expectSeamlessLoop(piece.right);
}

INSTANTIATE_TEST_SUITE_P(Pieces, MusicFilesTest,
                         ::testing::Values("Pamgaea", "Nothing_Broken", "Silly_Fun",
                                           "Master_of_the_Feast"));

} // namespace
