#include "TovarWorks/SoundSystem/SoundManager.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/TovarDevice.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/SoundSystem/FadeSoundProcess.h"
#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <algorithm>
#include <climits>

namespace TovarWorks {

namespace {
constexpr int kNoChannel = -1;

// Negative or not-a-number durations fade at once.
int wholeMillis(float durationMillis) {
    if (!(durationMillis > 0.0f))
        return 0;
    return durationMillis >= static_cast<float>(INT_MAX) ? INT_MAX
                                                         : static_cast<int>(durationMillis);
}
} // namespace

SoundManager::SoundManager(std::shared_ptr<ProcessManager> processManager)
    : processManager(std::move(processManager)) {}

bool SoundManager::createEngine() {
    if (!engine)
        engine = SdlSoundEngine::create();
    return hasEngine();
}

void SoundManager::setSoundVolume(float volume) {
    if (engine)
        engine->setSoundVolume(volume);
}

float SoundManager::getSoundVolume() const { return engine ? engine->getSoundVolume() : 0.0f; }

SoundManager::ChannelList::const_iterator SoundManager::slotOf(int channel) const {
    return std::find_if(channels.begin(), channels.end(),
                        [channel](const auto& object) { return object->channel == channel; });
}

std::shared_ptr<SoundObject> SoundManager::findChannel(int channel) const {
    const auto found = slotOf(channel);
    return found == channels.end() ? nullptr : *found;
}

bool SoundManager::HandleEvent(const IEventData& event) {
    if (!engine)
        return false;
    const EventType& type = event.GetEventType();
    if (type == PlaySoundEventType)
        play(static_cast<const PlaySoundEvent&>(event));
    else if (type == FadeSoundEventType)
        fade(static_cast<const FadeSoundEvent&>(event));
    return false;
}

void SoundManager::play(const PlaySoundEvent& event) {
    const bool tracked = event.channel != kNoChannel;
    // An untracked sound could never be stopped, so it plays only once.
    ISoundPtr sound = engine->play2D(nativePath(event.fileName), tracked && event.loop, true);
    if (!sound) {
        // Unplayable: whatever plays on the channel carries on.
        if (gDevice && reportedFiles.insert(event.fileName).second)
            gDevice->printError(L"Could not play the sound file %p", irr::core::stringw(event.fileName.c_str()));
        return;
    }
    if (event.volume < 1.0f)
        sound->setVolume(event.volume);
    if (tracked) {
        stopChannel(event.channel);
        channels.push_back(std::make_shared<SoundObject>(sound, event.channel));
    }
    sound->setIsPaused(false);
}

void SoundManager::stopChannel(int channel) {
    const auto found = slotOf(channel);
    if (found == channels.end())
        return;
    (*found)->sound->stop();
    channels.erase(found);
}

void SoundManager::fade(const FadeSoundEvent& event) const {
    const std::shared_ptr<SoundObject> target = findChannel(event.channel);
    if (!target || !processManager)
        return;
    processManager->Attach(std::make_shared<FadeSoundProcess>(
        target, wholeMillis(event.durationMillis), event.targetVolume, event.stopAtEnd));
}

} // namespace TovarWorks
