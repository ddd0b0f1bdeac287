#include "TovarWorks/SoundSystem/FadeSoundProcess.h"

namespace TovarWorks {

FadeSoundProcess::FadeSoundProcess(std::shared_ptr<SoundObject> soundObject, int durationMillis,
                                   double targetVolume, bool stopAtEnd)
    : soundObject(std::move(soundObject)), durationMillis(durationMillis),
      targetVolume(targetVolume), stopAtEnd(stopAtEnd) {}

void FadeSoundProcess::OnInitialize() {
    if (!soundObject || !soundObject->sound) {
        Kill();
        return;
    }
    startVolume = soundObject->sound->getVolume();
}

void FadeSoundProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    if (dead)
        return;
    ISound& sound = *soundObject->sound;
    elapsedMillis += static_cast<int>(deltaMillis);
    if (elapsedMillis >= durationMillis) {
        sound.setVolume(static_cast<float>(targetVolume));
        if (stopAtEnd)
            sound.stop();
        Kill();
        return;
    }
    const double progress = static_cast<double>(elapsedMillis) / durationMillis;
    sound.setVolume(static_cast<float>(startVolume + (targetVolume - startVolume) * progress));
}

} // namespace TovarWorks
