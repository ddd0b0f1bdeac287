// The sound manager as the device sets it up: listening for the sound events, fading through
// the device's process list, and silent when there is no audio output.
#include "support/NullDeviceFixture.h"
#include "support/ToneFile.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/SoundSystem/SoundManager.h"

#include <SDL.h>

#include <algorithm>

using namespace TovarWorks;

namespace {

class DeviceSoundTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        useDummyAudioOutput();
        NullDeviceFixture::SetUp();
    }

    void queue(const IEventDataPtr& event) { ASSERT_TRUE(device().getEventManager()->QueueEvent(event)); }

    ToneFile tone{200};
};

TEST_F(DeviceSoundTest, QueuedPlayAndFadeReachTheManager) {
    const auto manager = device().getSoundManager();
    ASSERT_NE(manager, nullptr);
    ASSERT_TRUE(manager->hasEngine());

    queue(std::make_shared<PlaySoundEvent>(tone.widePath(), true, 0.0f, 1));
    queue(std::make_shared<FadeSoundEvent>(1, 1.0f, 1000.0f, false));
    runFrame(16); // delivers both; the fade starts with the next frame
    const auto channel = manager->findChannel(1);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->sound->getVolume(), 0.0f);

    runFrame(500);
    EXPECT_FLOAT_EQ(channel->sound->getVolume(), 0.5f);
    runFrame(500);
    EXPECT_EQ(channel->sound->getVolume(), 1.0f);
    EXPECT_FALSE(channel->sound->isFinished());
}

class DeviceWithoutAudioTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no_such_driver", SDL_HINT_OVERRIDE);
        NullDeviceFixture::SetUp();
    }
};

TEST_F(DeviceWithoutAudioTest, SaysSoAndIgnoresSoundEvents) {
    const irr::core::stringw noSound = device().getLanguageSystem()->getText(3);
    const auto& shown = messages->messages;
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const auto& message) {
        return message.text == noSound.c_str();
    }));

    const auto manager = device().getSoundManager();
    ASSERT_NE(manager, nullptr);
    EXPECT_FALSE(manager->hasEngine());
    ToneFile tone(200);
    EXPECT_TRUE(device().getEventManager()->QueueEvent(
        std::make_shared<PlaySoundEvent>(tone.widePath(), true, 0.0f, 1)));
    runFrame(16);
    EXPECT_TRUE(manager->getChannels().empty());
}

} // namespace
