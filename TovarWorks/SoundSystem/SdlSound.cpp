#include "TovarWorks/SoundSystem/SdlSound.h"

#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <algorithm>
#include <cmath>

namespace TovarWorks {

int toMixerVolume(float volume) {
    return static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME));
}

SdlSound::SdlSound(SdlSoundEngine& owner, Mix_Chunk& source, int channel, bool loop,
                   std::unique_ptr<MusicStream> musicStream)
    : owner(&owner), source(&source), channel(channel), loop(loop), stream(std::move(musicStream)) {}

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
    // The silent chunk under a stream loops for ever: the stream itself knows where it ends.
    if (stream && Mix_RegisterEffect(channel, &SdlSound::fillFromStream, nullptr, stream.get()) == 0)
        stopped = true;
    else if (Mix_PlayChannel(channel, source, loop || stream ? -1 : 0) < 0)
        stopped = true;
}

// Runs in the audio thread, only between start and the halt of the channel.
void SdlSound::fillFromStream(int /*channel*/, void* samples, int bytes, void* stream) {
    static_cast<MusicStream*>(stream)->read(static_cast<int16_t*>(samples),
                                            static_cast<std::size_t>(bytes) / sizeof(int16_t));
}

void SdlSound::stop() {
    if (owner && started)
        SdlSoundEngine::silence(channel);
    stopped = true;
}

bool SdlSound::isFinished() const {
    return stopped || !owner || (started && Mix_Playing(channel) == 0) || (stream && stream->atEnd());
}

bool SdlSound::isAudible() const { return started && !paused && !isFinished(); }

void SdlSound::detachFromOutput() {
    if (owner)
        SdlSoundEngine::silence(channel);
    owner = nullptr;
    source = nullptr;
}

} // namespace TovarWorks
