// The game's music as the game plays it: streamed from the runtime folder.
#include "TovarWorks/SoundSystem/MusicStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kFullScale = 32768.0;
constexpr size_t kBlock = 4096;

using Samples = std::vector<int16_t>;

std::unique_ptr<TovarWorks::MusicStream> open(const std::string& path, bool loop) {
    return TovarWorks::MusicStream::open(path, kRate, 2, loop);
}

// The step from the last sample to the first, when the piece loops, must look like any ordinary
// step between neighbours; a click or a gap is many times larger.
void expectSeamlessLoop(const Samples& interleaved, size_t side) {
    std::vector<int> steps;
    for (size_t i = side + 2; i < interleaved.size(); i += 2)
        steps.push_back(std::abs(interleaved[i] - interleaved[i - 2]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() / 2, steps.end());
    const int loopStep = std::abs(interleaved[side] - interleaved[interleaved.size() - 2 + side]);
    EXPECT_LE(loopStep, 4 * steps[steps.size() / 2]) << "side " << side;
    EXPECT_LT(loopStep / kFullScale, 0.05) << "side " << side;
}

class MusicFilesTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MusicFilesTest, DecodesLoopsAndStaysBelowFullScale) {
    const std::string path = std::string("lumodata/music/") + GetParam() + ".mp3";
    const auto once = open(path, false);
    ASSERT_NE(once, nullptr);
    Samples piece, block(kBlock); // left and right interleaved, once through in the mixer's blocks
    size_t lastRead = 0;
    while (!once->atEnd()) {
        lastRead = once->read(block.data(), block.size());
        piece.insert(piece.end(), block.begin(), block.begin() + lastRead);
    }
    ASSERT_LT(lastRead, kBlock) << "the piece fills its last block, so its silent tail goes unseen";
    EXPECT_TRUE(std::all_of(block.begin() + lastRead, block.end(), [](int16_t sample) { return sample == 0; }))
        << "the mixer plays the whole block: past the piece's end it must be silence";
    const double seconds = piece.size() / 2.0 / kRate;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
    int peak = 0;
    double sum = 0.0;
    for (const int16_t sample : piece) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
        sum += static_cast<double>(sample) * sample;
    }
    EXPECT_LT(peak / kFullScale, 0.98);
    // Similar loudness: around -17 dBFS, within 2 dB.
    EXPECT_NEAR(20.0 * std::log10(std::sqrt(sum / piece.size()) / kFullScale), -17.0, 2.0);
    expectSeamlessLoop(piece, 0);
    expectSeamlessLoop(piece, 1);

    // Looping, the sample after the last is the first: no gap, no padding, in odd-sized blocks.
    const auto looping = open(path, true);
    ASSERT_NE(looping, nullptr);
    Samples played(piece.size() + 2 * kBlock);
    for (size_t at = 0; at < played.size(); at += 1000) {
        const size_t asked = std::min<size_t>(1000, played.size() - at);
        EXPECT_EQ(asked, looping->read(played.data() + at, asked));
    }
    EXPECT_FALSE(looping->atEnd());
    for (size_t i = 0; i < 2 * kBlock; ++i)
        ASSERT_EQ(played[piece.size() + i], piece[i]) << "sample " << i / 2 << " after the loop";
}

TEST(MusicStream, RefusesWhatIsNoMp3) {
    for (const char* path : {"no/such/file.mp3", "lumodata/worldc.txt", "lumodata/fontbakery.png"})
        EXPECT_EQ(open(path, true), nullptr) << path;
}

INSTANTIATE_TEST_SUITE_P(Pieces, MusicFilesTest,
                         ::testing::Values("Pamgaea", "Nothing_Broken", "Silly_Fun", "Master_of_the_Feast"));

} // namespace
