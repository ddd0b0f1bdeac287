// The game's music as the game plays it: streamed from the runtime folder.
#include "TovarWorks/SoundSystem/MusicStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kFullScale = 32768.0;
constexpr size_t kBlock = 4096;

struct DecodedPiece {
    std::vector<int16_t> left, right;
    double seconds() const { return static_cast<double>(left.size()) / kRate; }
};

class MusicFilesTest : public ::testing::TestWithParam<const char*> {
protected:
    static std::string path() { return std::string("lumodata/music/") + GetParam() + ".mp3"; }

    // Once through, in blocks as the mixer asks for them.
    static DecodedPiece decode(TovarWorks::MusicStream& stream) {
        DecodedPiece piece;
        std::vector<int16_t> block(kBlock);
        while (!stream.atEnd()) {
            const size_t decoded = stream.read(block.data(), block.size());
            for (size_t i = 0; i + 1 < decoded; i += 2) {
                piece.left.push_back(block[i]);
                piece.right.push_back(block[i + 1]);
            }
        }
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

};

TEST_P(MusicFilesTest, DecodesLoopsAndStaysBelowFullScale) {
    const auto once = TovarWorks::MusicStream::open(path(), kRate, 2, false);
    ASSERT_NE(once, nullptr);
    const DecodedPiece piece = decode(*once);
    ASSERT_FALSE(piece.left.empty());
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

    // Looping, the sample after the last is the first: no gap, no padding, in odd-sized blocks.
    const auto looping = TovarWorks::MusicStream::open(path(), kRate, 2, true);
    ASSERT_NE(looping, nullptr);
    const size_t total = 2 * piece.left.size();
    const size_t wrapped = 2 * kBlock;
    std::vector<int16_t> played(total + wrapped);
    for (size_t at = 0; at < played.size(); at += 1000)
        EXPECT_EQ(std::min<size_t>(1000, played.size() - at),
                  looping->read(played.data() + at, std::min<size_t>(1000, played.size() - at)));
    EXPECT_FALSE(looping->atEnd());
    for (size_t i = 0; i < wrapped; i += 2) {
        ASSERT_EQ(played[total + i], piece.left[i / 2]) << "sample " << i / 2 << " after the loop";
        ASSERT_EQ(played[total + i + 1], piece.right[i / 2]) << "sample " << i / 2 << " after the loop";
    }
}

TEST(MusicStream, RefusesWhatIsNoMp3) {
    EXPECT_EQ(TovarWorks::MusicStream::open("no/such/file.mp3", kRate, 2, true), nullptr);
    EXPECT_EQ(TovarWorks::MusicStream::open("lumodata/worldc.txt", kRate, 2, true), nullptr);
    EXPECT_EQ(TovarWorks::MusicStream::open("lumodata/fontbakery.png", kRate, 2, true), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Pieces, MusicFilesTest,
                         ::testing::Values("Pamgaea", "Nothing_Broken", "Silly_Fun",
                                           "Master_of_the_Feast"));

} // namespace
