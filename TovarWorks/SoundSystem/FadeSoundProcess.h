#pragma once
// Moves a sound's volume linearly to a target over a time; optionally stops it at the end.
#include "TovarWorks/Processes/Process.h"
#include "TovarWorks/SoundSystem/SoundObject.h"

#include <memory>

namespace TovarWorks {

class FadeSoundProcess : public Process {
public:
    FadeSoundProcess(std::shared_ptr<SoundObject> soundObject, int durationMillis,
                     double targetVolume, bool stopAtEnd);

    void OnUpdate(uint32_t deltaMillis) override;
    void OnInitialize() override;

private:
    std::shared_ptr<SoundObject> soundObject;
    int elapsedMillis = 0;
    int durationMillis;
    double targetVolume;
    double startVolume = 0.0;
    bool stopAtEnd;
};

} // namespace TovarWorks
