// The sound manager as the device sets it up: listening for the sound events, fading through
// the device's process list, and silent when there is no audio output.
#include "support/NullDeviceFixture.h"
#include "support/ToneFile.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/SoundSystem/SoundManager.h"

#include <SDL.h>

#include <algorithm>

namespace {

using namespace TovarWorks;

class DeviceSoundTest : public NullDeviceFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        if (GetParam())
            useDummyAudioOutput();
        else
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
        NullDeviceFixture::SetUp();
    }
    void TearDown() override {
        NullDeviceFixture::TearDown();
        useDummyAudioOutput();
    }
    ToneFile tone{200};
};

// With an output the queued events play and fade on the device's frames; without, the player is
// told once and the events are ignored.
TEST_P(DeviceSoundTest, QueuedPlayAndFadeReachTheManager) {
    const auto manager = device().getSoundManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->hasEngine(), GetParam());
    const std::wstring noSound = device().getLanguageSystem()->getText(3).c_str();
    EXPECT_EQ(std::count_if(messages->messages.begin(), messages->messages.end(),
                            [&](const auto& message) { return message.text == noSound; }),
              GetParam() ? 0 : 1);
    EventManager& events = *device().getEventManager();
    ASSERT_TRUE(events.QueueEvent(std::make_shared<PlaySoundEvent>(tone.widePath(), true, 0.0f, 1)));
    ASSERT_TRUE(events.QueueEvent(std::make_shared<FadeSoundEvent>(1, 1.0f, 1000.0f, false)));
    runFrame(16); // delivers both; the fade starts with the next frame
    const auto channel = manager->findChannel(1);
    if (!GetParam()) {
        manager->setSoundVolume(0.5f); // nothing to hand it to
        EXPECT_TRUE(manager->getChannels().empty());
        EXPECT_EQ(device().getProcessManager()->size(), 0u);
        return;
    }
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->sound->getVolume(), 0.0f);
    for (const float volume : {0.5f, 1.0f}) {
        runFrame(500);
        EXPECT_FLOAT_EQ(channel->sound->getVolume(), volume);
    }
    EXPECT_EQ(channel->sound->getVolume(), 1.0f);
    EXPECT_FALSE(channel->sound->isFinished());
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutOutput, DeviceSoundTest, ::testing::Bool());

} // namespace
