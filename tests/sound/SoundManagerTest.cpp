#include "support/ToneFile.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/SoundSystem/SoundManager.h"

#include <gtest/gtest.h>

using namespace TovarWorks;

namespace {

class SoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        ASSERT_TRUE(manager->createEngine());
    }

    ISoundPtr playOn(int channel, float volume = 1.0f, const std::wstring& file = L"") {
        EXPECT_FALSE(manager->HandleEvent(PlaySoundEvent(file.empty() ? tone.widePath() : file, true, volume, channel)));
        const auto object = manager->findChannel(channel);
        return object ? object->sound : nullptr;
    }
    void fade(int channel, float target, float millis, bool stopAtEnd = false) {
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

TEST_F(SoundManagerTest, APlayReplacesTheSoundOnItsChannelAtOnceAndOtherChannelsPlayOn) {
    const ISoundPtr one = playOn(1), first = playOn(2), second = playOn(2), three = playOn(3, 2.5f);
    for (const ISoundPtr& sound : {one, first, second, three})
        ASSERT_NE(sound, nullptr);
    EXPECT_FLOAT_EQ(three->getVolume(), 1.0f) << "only a volume below one is applied";
    EXPECT_TRUE(first->isFinished());
    for (const ISoundPtr& sound : {one, second, three})
        EXPECT_FALSE(sound->isFinished());
    EXPECT_EQ(manager->getChannels().size(), 3u);
    manager->HandleEvent(PlaySoundEvent(tone.widePath(), true)); // no channel: not kept
    EXPECT_EQ(manager->getChannels().size(), 3u);
    fade(-1, 0.0f, 0.0f);
    EXPECT_EQ(processes->size(), 0u);
}

TEST_F(SoundManagerTest, AMissingFileOrAnotherEventChangesNothing) {
    const ISoundPtr playing = playOn(3, 0.5f);
    EXPECT_EQ(playOn(3, 0.0f, L"no_such_sound.wav"), playing);
    EXPECT_FALSE(playing->isFinished());
    EXPECT_EQ(playOn(4, 0.0f, L"lumodata/music/no_such_piece.mp3"), nullptr);
    fade(4, 1.0f, 1000.0f);
    EXPECT_EQ(processes->size(), 0u) << "nothing to fade on an empty channel";
    struct OtherEvent : BaseEventData {
        const EventType& GetEventType() const override { return StartNewGameEventType; }
    };
    EXPECT_FALSE(manager->HandleEvent(OtherEvent()));
    EXPECT_EQ(manager->getChannels().size(), 1u);
}

TEST_F(SoundManagerTest, FadesAreLinearFromTheirFirstUpdateAndEndExactlyOnTarget) {
    const struct {
        const char* what;
        float start, target, millis;
        bool stopAtEnd;
        std::vector<std::tuple<int, uint32_t, float>> frames; // count, length, volume after them
    } cases[] = {{"up from silence", 0.0f, 1.0f, 1000.0f, false, {{5, 100, 0.5f}, {5, 100, 1.0f}}},
                 {"overshooting", 0.8f, 0.2f, 1000.0f, false, {{1, 300, 0.62f}, {1, 5000, 0.2f}}},
                 {"then stopping", 0.7f, 0.0f, 300.0f, true, {{2, 100, 0.7f / 3}, {1, 100, 0.0f}}},
                 {"at once", 0.0f, 0.6f, 0.0f, false, {{1, 0, 0.6f}}}};
    int channel = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ISoundPtr sound = playOn(++channel, c.start);
        fade(channel, c.target, c.millis, c.stopAtEnd);
        EXPECT_EQ(processes->size(), 1u);
        EXPECT_FLOAT_EQ(sound->getVolume(), c.start) << "before the first update";
        for (const auto& [count, length, volume] : c.frames) {
            runFrames(count, length);
            EXPECT_FLOAT_EQ(sound->getVolume(), volume);
        }
        EXPECT_EQ(sound->getVolume(), c.target);
        EXPECT_EQ(sound->isFinished(), c.stopAtEnd);
        EXPECT_EQ(manager->findChannel(channel)->sound, sound) << "a stopped sound stays on its channel";
        runFrames(1, 16); // the finished fade leaves the list on the next pass
        EXPECT_EQ(processes->size(), 0u);
    }
    const ISoundPtr sound = playOn(++channel, 0.0f);
    fade(channel, 1.0f, 1000.0f);
    sound->setVolume(0.5f);
    runFrames(1, 500);
    EXPECT_FLOAT_EQ(sound->getVolume(), 0.75f) << "starts from the volume at its first update";
}

TEST_F(SoundManagerTest, AFadeOutlivingTheManagerDoesNotCrash) {
    const ISoundPtr sound = playOn(1, 0.0f);
    fade(1, 1.0f, 1000.0f, true);
    manager.reset();
    runFrames(20, 100);
    EXPECT_EQ(processes->size(), 0u);
    EXPECT_TRUE(sound->isFinished());
}

} // namespace
