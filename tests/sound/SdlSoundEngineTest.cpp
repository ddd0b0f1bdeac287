#include "support/TempDir.h"
#include "support/ToneFile.h"

#include "TovarWorks/SoundSystem/SdlSound.h"
#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

using namespace TovarWorks;
using namespace std::chrono_literals;

namespace {

class SdlSoundEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        engine = SdlSoundEngine::create();
        ASSERT_NE(engine, nullptr);
    }
    ISoundPtr play(bool loop, bool paused) { return engine->play2D(shortTone.path(), loop, paused); }

    ToneFile shortTone{50};
    std::unique_ptr<SdlSoundEngine> engine;
};

TEST_F(SdlSoundEngineTest, ThereIsOneOutputAtATimeAndNoneWithoutAnAudioDriver) {
    EXPECT_EQ(SdlSoundEngine::create(), nullptr);
    engine.reset();
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
    EXPECT_EQ(SdlSoundEngine::create(), nullptr);
    useDummyAudioOutput();
    EXPECT_NE(SdlSoundEngine::create(), nullptr);
}

TEST_F(SdlSoundEngineTest, APausedSoundWaitsAndThenPlaysToItsEndWhileALoopPlaysOnUntilStopped) {
    const ISoundPtr once = play(false, true), looping = play(true, false);
    ASSERT_NE(once, nullptr);
    ASSERT_NE(looping, nullptr);
    std::this_thread::sleep_for(300ms); // the dummy output plays in real time: the tone is 50 ms
    EXPECT_FALSE(once->isFinished());
    EXPECT_FALSE(looping->isFinished());
    once->setIsPaused(false);
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!once->isFinished() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(once->isFinished());
    looping->stop();
    const ISoundPtr neverBegun = play(true, true);
    neverBegun->stop();
    neverBegun->setIsPaused(false);
    EXPECT_EQ(0, Mix_Playing(-1)) << "a stopped sound does not start";
}

// Music is streamed: what the mixer puts out while it plays must carry the piece.
TEST_F(SdlSoundEngineTest, StreamedMusicIsHeardUntilPausedAndAgainOnceResumed) {
    static std::atomic<long long> loudness{0};
    const auto music = std::dynamic_pointer_cast<SdlSound>(engine->play2D("lumodata/music/Pamgaea.mp3", true, false));
    ASSERT_NE(music, nullptr);
    Mix_SetPostMix(
        [](void*, Uint8* stream, int bytes) {
            const auto* samples = reinterpret_cast<const int16_t*>(stream);
            for (int i = 0; i < bytes / 2; ++i)
                loudness += std::abs(samples[i]);
        },
        nullptr);
    // What was mixed before a pause or resume is still on its way out: wait, then listen.
    auto loudnessAfter = [](std::chrono::milliseconds settle) {
        std::this_thread::sleep_for(settle);
        loudness = 0;
        std::this_thread::sleep_for(300ms);
        return loudness.load();
    };
    const long long heard = loudnessAfter(200ms);
    EXPECT_TRUE(music->isAudible());
    music->setIsPaused(true);
    const long long whilePaused = loudnessAfter(200ms);
    EXPECT_FALSE(music->isAudible());
    music->setIsPaused(false);
    const long long resumed = loudnessAfter(200ms);
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_GT(heard, 0);
    EXPECT_EQ(whilePaused, 0) << "a paused stream went on";
    EXPECT_GT(resumed, 0) << "a resumed stream stayed silent";
    EXPECT_TRUE(music->isAudible());
    EXPECT_FALSE(music->isFinished());
}

// A piece decoded whole holds about 15 MiB; three play at once in the game.
TEST_F(SdlSoundEngineTest, MusicIsStreamedWhateverTheCaseOfItsEndingAndShortSoundsAreNot) {
    TempDir folder;
    const std::string shouted = folder.file("PIECE.MP3");
    std::filesystem::copy_file("lumodata/music/Pamgaea.mp3", shouted);
    for (const std::string& piece : {std::string("lumodata/music/Pamgaea.mp3"), shouted}) {
        const auto music = std::dynamic_pointer_cast<SdlSound>(engine->play2D(piece, true, true));
        ASSERT_NE(music, nullptr) << piece;
        EXPECT_TRUE(music->isStreamed()) << piece;
    }
    const auto tone = std::dynamic_pointer_cast<SdlSound>(play(false, true));
    ASSERT_NE(tone, nullptr);
    EXPECT_FALSE(tone->isStreamed());
}

TEST_F(SdlSoundEngineTest, ManySoundsPlayAtOnceAndReleasedOnesGiveTheirChannelsBack) {
    std::vector<ISoundPtr> sounds{play(true, false)};
    const int channelsBefore = Mix_AllocateChannels(-1);
    for (int i = 0; i < 100; ++i)
        play(true, true); // released unplayed at once
    EXPECT_EQ(channelsBefore, Mix_AllocateChannels(-1)) << "each released sound's channel is taken again";
    for (int i = 0; i < 40; ++i)
        sounds.push_back(play(true, false));
    for (const ISoundPtr& sound : sounds) {
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(sound->isFinished());
    }
}

TEST_F(SdlSoundEngineTest, ASoundNobodyHoldsPlaysOnWhileAudible) {
    play(true, false);
    const ISoundPtr held = play(true, false);
    EXPECT_EQ(2, Mix_Playing(-1)) << "the next sound did not stop the first";
}

TEST_F(SdlSoundEngineTest, SoundsOutlivingTheEngineFallSilent) {
    const ISoundPtr sound = play(true, false);
    engine.reset();
    EXPECT_TRUE(sound->isFinished());
    sound->setVolume(0.5f);
    sound->setIsPaused(false);
    sound->stop();
    EXPECT_TRUE(sound->isFinished());
}

} // namespace
