#include "support/ToneFile.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/SoundSystem/SoundManager.h"

#include <SDL.h>
#include <gtest/gtest.h>

using namespace TovarWorks;

namespace {

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        ASSERT_TRUE(manager->createEngine());
    }

    ISoundPtr playOn(int channel, float volume = 1.0f, bool loop = true) {
        EXPECT_FALSE(manager->HandleEvent(PlaySoundEvent(tone.widePath(), loop, volume, channel)));
        const auto object = manager->findChannel(channel);
        return object ? object->sound : nullptr;
    }

    void fade(int channel, float target, float millis, bool stopAtEnd) {
        EXPECT_FALSE(manager->HandleEvent(FadeSoundEvent(channel, target, millis, stopAtEnd)));
    }

    void runFrames(int frames, uint32_t deltaMillis) {
        for (int i = 0; i < frames; ++i)
            processes->UpdateProcesses(deltaMillis);
    }

    ToneFile tone{200};
    std::shared_ptr<ProcessManager> processes = std::make_shared<ProcessManager>();
    std::shared_ptr<SoundManager> manager = std::make_shared<SoundManager>(processes);
};

TEST_F(SoundManagerTest, PlayOnChannelTracksAPlayingSound) {
    const ISoundPtr sound = playOn(1);
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(sound->isFinished());
    EXPECT_EQ(manager->getChannels().size(), 1u);
}

TEST_F(SoundManagerTest, SecondPlayOnAChannelReplacesTheFirstAtOnce) {
    const ISoundPtr first = playOn(2);
    const ISoundPtr second = playOn(2);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_TRUE(first->isFinished());
    EXPECT_FALSE(second->isFinished());
    ASSERT_EQ(manager->getChannels().size(), 1u);
    EXPECT_EQ(manager->getChannels().front()->channel, 2);
}

TEST_F(SoundManagerTest, PlaysOnDifferentChannelsPlayTogether) {
    const ISoundPtr one = playOn(1), two = playOn(2), three = playOn(3), four = playOn(4);
    for (const ISoundPtr& sound : {one, two, three, four}) {
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(sound->isFinished());
    }
    EXPECT_EQ(manager->getChannels().size(), 4u);
}

TEST_F(SoundManagerTest, PlayWithoutChannelIsNotTracked) {
    manager->HandleEvent(PlaySoundEvent(tone.widePath(), true));
    EXPECT_TRUE(manager->getChannels().empty());
    fade(-1, 0.0f, 0.0f, true);
    EXPECT_EQ(processes->size(), 0u);
}

TEST_F(SoundManagerTest, VolumeBelowOneIsApplied) {
    const ISoundPtr sound = playOn(1, 0.25f);
    ASSERT_NE(sound, nullptr);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.25f);
}

TEST_F(SoundManagerTest, VolumeOfOneOrAboveLeavesTheSoundsOwnVolume) {
    const ISoundPtr exactlyOne = playOn(1, 1.0f);
    const ISoundPtr above = playOn(2, 2.5f);
    ASSERT_NE(exactlyOne, nullptr);
    ASSERT_NE(above, nullptr);
    EXPECT_FLOAT_EQ(exactlyOne->getVolume(), 1.0f);
    EXPECT_FLOAT_EQ(above->getVolume(), 1.0f);
}

TEST_F(SoundManagerTest, MissingFileOnAnEmptyChannelChangesNothing) {
    manager->HandleEvent(PlaySoundEvent(L"lumodata/music/no_such_piece.mp3", true, 0.0f, 3));
    EXPECT_TRUE(manager->getChannels().empty());
    fade(3, 1.0f, 1000.0f, false);
    EXPECT_EQ(processes->size(), 0u);
}

TEST_F(SoundManagerTest, MissingFileLeavesTheChannelsSoundPlaying) {
    const ISoundPtr playing = playOn(3, 0.5f);
    manager->HandleEvent(PlaySoundEvent(L"no_such_sound.wav", true, 0.0f, 3));
    ASSERT_EQ(manager->getChannels().size(), 1u);
    EXPECT_EQ(manager->findChannel(3)->sound, playing);
    EXPECT_FALSE(playing->isFinished());
}

TEST_F(SoundManagerTest, OtherEventsAreIgnored) {
    struct OtherEvent : BaseEventData {
        const EventType& GetEventType() const override { return StartNewGameEventType; }
    };
    EXPECT_FALSE(manager->HandleEvent(OtherEvent()));
    EXPECT_TRUE(manager->getChannels().empty());
}

TEST_F(SoundManagerTest, FadeFromSilenceIsLinearAndEndsExactlyOnTarget) {
    const ISoundPtr sound = playOn(1, 0.0f);
    ASSERT_NE(sound, nullptr);
    fade(1, 1.0f, 1000.0f, false);
    ASSERT_EQ(processes->size(), 1u);

    runFrames(5, 100);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.5f);
    runFrames(5, 100);
    EXPECT_EQ(sound->getVolume(), 1.0f);
    EXPECT_FALSE(sound->isFinished());

    runFrames(1, 16); // the finished fade leaves the list on the next pass
    EXPECT_EQ(processes->size(), 0u);
    EXPECT_EQ(sound->getVolume(), 1.0f);
}

TEST_F(SoundManagerTest, FadeOvershootingItsDurationLandsOnTarget) {
    const ISoundPtr sound = playOn(1, 0.8f);
    fade(1, 0.2f, 1000.0f, false);
    runFrames(1, 300);
    EXPECT_NEAR(sound->getVolume(), 0.62f, 1e-5);
    runFrames(1, 5000);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.2f);
}

TEST_F(SoundManagerTest, FadeWithStopAtEndStopsTheSoundButKeepsItOnTheChannel) {
    const ISoundPtr sound = playOn(2, 0.7f);
    fade(2, 0.0f, 300.0f, true);
    runFrames(2, 100);
    EXPECT_FALSE(sound->isFinished());
    runFrames(1, 100);
    EXPECT_TRUE(sound->isFinished());
    EXPECT_EQ(manager->findChannel(2)->sound, sound);
}

TEST_F(SoundManagerTest, FadeOfDurationZeroSetsTheTargetAtTheFirstUpdate) {
    const ISoundPtr sound = playOn(4, 0.0f);
    fade(4, 0.6f, 0.0f, false);
    EXPECT_EQ(sound->getVolume(), 0.0f);
    runFrames(1, 0);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.6f);
}

TEST_F(SoundManagerTest, FadeOnAnEmptyChannelIsIgnored) {
    playOn(1);
    fade(2, 1.0f, 1000.0f, false);
    EXPECT_EQ(processes->size(), 0u);
}

TEST_F(SoundManagerTest, FadeStartsFromTheVolumeAtItsFirstUpdate) {
    const ISoundPtr sound = playOn(1, 0.0f);
    fade(1, 1.0f, 1000.0f, false);
    sound->setVolume(0.5f);
    runFrames(1, 500);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.75f);
}

TEST_F(SoundManagerTest, FadeOutlivingTheManagerDoesNotCrash) {
    const ISoundPtr sound = playOn(1, 0.0f);
    fade(1, 1.0f, 1000.0f, true);
    manager.reset();
    runFrames(20, 100);
    EXPECT_EQ(processes->size(), 0u);
    EXPECT_TRUE(sound->isFinished());
}

class SilentSoundManagerTest : public ::testing::Test {
protected:
    ToneFile tone{200};
    std::shared_ptr<ProcessManager> processes = std::make_shared<ProcessManager>();
    SoundManager manager{processes};
};

TEST_F(SilentSoundManagerTest, WithoutEngineEveryEventIsIgnored) {
    EXPECT_FALSE(manager.hasEngine());
    EXPECT_FALSE(manager.HandleEvent(PlaySoundEvent(tone.widePath(), true, 0.0f, 1)));
    EXPECT_FALSE(manager.HandleEvent(PlaySoundEvent(tone.widePath())));
    EXPECT_FALSE(manager.HandleEvent(FadeSoundEvent(1, 1.0f, 0.0f, false)));
    manager.setSoundVolume(0.5f);
    EXPECT_TRUE(manager.getChannels().empty());
    EXPECT_EQ(processes->size(), 0u);
}

TEST_F(SilentSoundManagerTest, NoAudioOutputLeavesTheManagerSilent) {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
    EXPECT_FALSE(manager.createEngine());
    EXPECT_FALSE(manager.hasEngine());
    manager.HandleEvent(PlaySoundEvent(tone.widePath(), true, 0.0f, 1));
    EXPECT_TRUE(manager.getChannels().empty());
}

} // namespace
