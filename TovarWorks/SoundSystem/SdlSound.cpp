#include "TovarWorks/SoundSystem/SdlSound.h"

#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <algorithm>
#include <cmath>

namespace TovarWorks {

int toMixerVolume(float volume) {
    return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

SdlSound::SdlSound(SdlSoundEngine& owner, Mix_Chunk& source, int channel, bool loop)
    : owner(&owner), source(&source), channel(channel), loop(loop) {}

SdlSound::~SdlSound() {
    if (owner)
        owner->releaseChannel(channel);
}

void SdlSound::setVolume(float newVolume) {
    volume = newVolume;
    if (owner)
        Mix_Volume(channel, toMixerVolume(volume));
}

float SdlSound::getVolume() const { return volume; }

void SdlSound::setIsPaused(bool pause) {
    if (!owner || stopped || pause == paused)
        return;
    paused = pause;
    if (pause)
        Mix_Pause(channel);
    else if (started)
        Mix_Resume(channel);
    else
        start();
}

void SdlSound::start() {
    Mix_Volume(channel, toMixerVolume(volume));
    started = true;
    if (Mix_PlayChannel(channel, source, loop ? -1 : 0) < 0)
        stopped = true;
}

void SdlSound::stop() {
    if (owner && started)
        Mix_HaltChannel(channel);
    stopped = true;
}

bool SdlSound::isFinished() const {
    return stopped || !owner || (started && Mix_Playing(channel) == 0);
}

bool SdlSound::isAudible() const { return started && !paused && !isFinished(); }

void SdlSound::detachFromOutput() {
    if (owner)
        Mix_HaltChannel(channel);
    owner = nullptr;
    source = nullptr;
}

} // namespace TovarWorks
