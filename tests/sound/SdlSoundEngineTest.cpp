#include "support/ToneFile.h"

#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <vector>

using namespace TovarWorks;

namespace {

class SdlSoundEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        engine = SdlSoundEngine::create();
        ASSERT_NE(engine, nullptr);
    }

    // The dummy output consumes audio in real time; a short sound ends soon.
    static bool finishesWithinSeconds(const ISound& sound, int seconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!sound.isFinished() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return sound.isFinished();
    }

    ToneFile shortTone{50};
    std::unique_ptr<SdlSoundEngine> engine;
};

TEST_F(SdlSoundEngineTest, OnlyOneOutputAtATime) {
    EXPECT_EQ(SdlSoundEngine::create(), nullptr);
    engine.reset();
    EXPECT_NE(SdlSoundEngine::create(), nullptr);
}

TEST_F(SdlSoundEngineTest, UnplayableFilesGiveNoSound) {
    EXPECT_EQ(engine->play2D("no/such/file.mp3", false, true), nullptr);
    const std::string garbage = shortTone.path() + ".txt";
    std::ofstream(garbage) << "this is not a sound file";
    EXPECT_EQ(engine->play2D(garbage, false, true), nullptr);
    std::remove(garbage.c_str());
}

TEST_F(SdlSoundEngineTest, PausedSoundWaitsForUnpause) {
    const ISoundPtr sound = engine->play2D(shortTone.path(), false, true);
    ASSERT_NE(sound, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(sound->isFinished());
    sound->setIsPaused(false);
    EXPECT_TRUE(finishesWithinSeconds(*sound, 5));
}

TEST_F(SdlSoundEngineTest, LoopingSoundPlaysOnUntilStopped) {
    const ISoundPtr sound = engine->play2D(shortTone.path(), true, false);
    ASSERT_NE(sound, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(sound->isFinished());
    sound->stop();
    EXPECT_TRUE(sound->isFinished());
    sound->setIsPaused(false);
    EXPECT_TRUE(sound->isFinished());
}

// Music is streamed: what the mixer puts out while it plays must carry the piece.
TEST_F(SdlSoundEngineTest, StreamedMusicIsHeard) {
    static std::atomic<long long> loudness{0};
    loudness = 0;
    const ISoundPtr music = engine->play2D("lumodata/music/Pamgaea.mp3", true, false);
    ASSERT_NE(music, nullptr);
    Mix_SetPostMix(
        [](void*, Uint8* stream, int bytes) {
            const auto* samples = reinterpret_cast<const int16_t*>(stream);
            for (int i = 0; i < bytes / 2; ++i)
                loudness += std::abs(samples[i]);
        },
        nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long long heard = loudness;
    music->setIsPaused(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // what was mixed before the pause
    loudness = 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Mix_SetPostMix(nullptr, nullptr);
    EXPECT_GT(heard, 0);
    EXPECT_EQ(loudness, 0) << "a paused stream went on";
    EXPECT_FALSE(music->isFinished());
}

TEST_F(SdlSoundEngineTest, ManySoundsPlayAtOnce) {
    std::vector<ISoundPtr> sounds;
    for (int i = 0; i < 40; ++i)
        sounds.push_back(engine->play2D(shortTone.path(), true, false));
    for (const ISoundPtr& sound : sounds) {
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(sound->isFinished());
    }
}

TEST_F(SdlSoundEngineTest, ReleasedSoundsGiveTheirChannelsBack) {
    const ISoundPtr kept = engine->play2D(shortTone.path(), true, false);
    for (int i = 0; i < 100; ++i)
        engine->play2D(shortTone.path(), true, true); // released unplayed at once
    const ISoundPtr later = engine->play2D(shortTone.path(), true, false);
    ASSERT_NE(later, nullptr);
    EXPECT_FALSE(later->isFinished());
    EXPECT_FALSE(kept->isFinished());
}

TEST_F(SdlSoundEngineTest, VolumesAreKeptAsSet) {
    const ISoundPtr sound = engine->play2D(shortTone.path(), true, true);
    EXPECT_EQ(sound->getVolume(), 1.0f);
    sound->setVolume(0.3f);
    EXPECT_EQ(sound->getVolume(), 0.3f);
    EXPECT_EQ(engine->getSoundVolume(), 1.0f);
    engine->setSoundVolume(0.4f);
    EXPECT_EQ(engine->getSoundVolume(), 0.4f);
}

TEST_F(SdlSoundEngineTest, SoundsOutlivingTheEngineFallSilent) {
    const ISoundPtr sound = engine->play2D(shortTone.path(), true, false);
    engine.reset();
    EXPECT_TRUE(sound->isFinished());
    sound->setVolume(0.5f);
    sound->setIsPaused(false);
    sound->stop();
    EXPECT_TRUE(sound->isFinished());
}

TEST(SdlSoundEngineWithoutOutput, IsNotCreated) {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
    EXPECT_EQ(SdlSoundEngine::create(), nullptr);
    useDummyAudioOutput();
    EXPECT_NE(SdlSoundEngine::create(), nullptr);
}

} // namespace
