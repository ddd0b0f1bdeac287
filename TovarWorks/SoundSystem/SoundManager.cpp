#include "TovarWorks/SoundSystem/SoundManager.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/SoundSystem/FadeSoundProcess.h"
#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <algorithm>
#include <climits>

namespace TovarWorks {

namespace {
constexpr int kNoChannel = -1;

std::string utf8(const std::wstring& text) {
    std::string out;
    for (const wchar_t wide : text) {
        const auto c = static_cast<uint32_t>(wide);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

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
    ISoundPtr sound = engine->play2D(utf8(event.fileName), tracked && event.loop, true);
    if (!sound)
        return; // unplayable file: whatever plays on the channel carries on
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
