#include "src_lumo/Game/MusicSchedule.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Events/PlaySoundEvent.h"
#include "TovarWorks/TovarDevice.h"

#include <memory>

namespace Lumo {

namespace {

void queue(const TovarWorks::IEventDataPtr& event) {
    if (TovarWorks::gDevice && TovarWorks::gDevice->getEventManager())
        TovarWorks::gDevice->getEventManager()->QueueEvent(event);
}

void fadeTo(int32_t channel, float volume) {
    queue(std::make_shared<TovarWorks::FadeSoundEvent>(channel, volume, MusicSchedule::kFadeMillis, false));
}

} // namespace

void MusicSchedule::startSilentChannels() {
    const std::pair<const wchar_t*, int32_t> pieces[] = {
        {L"lumodata/music/Nothing_Broken.mp3", kMorningChannel},
        {L"lumodata/music/Silly_Fun.mp3", kAfternoonChannel},
        {L"lumodata/music/Master_of_the_Feast.mp3", kEveningChannel},
    };
    for (const auto& [file, channel] : pieces)
        queue(std::make_shared<TovarWorks::PlaySoundEvent>(file, true, 0.0f, channel));
}

void MusicSchedule::fadeIn(int32_t channel) { fadeTo(channel, 1.0f); }
void MusicSchedule::fadeOut(int32_t channel) { fadeTo(channel, 0.0f); }

void MusicSchedule::chooseFor(int minuteOfDay) {
    const int hour = minuteOfDay / 60;
    if (hour >= 17) {
        fadeIn(kEveningChannel);
        fadeOut(kAfternoonChannel);
    } else if (hour < 12) {
        fadeIn(kMorningChannel);
        fadeOut(kEveningChannel);
        fadeOut(kAfternoonChannel);
    } else {
        fadeIn(kAfternoonChannel);
        fadeOut(kMorningChannel);
    }
}

} // namespace Lumo
