#pragma once
// A sound on one SDL_mixer channel. The channel belongs to this sound from creation to
// destruction, so a handle can never steer a channel that meanwhile plays something else.
// A streamed sound plays a silent chunk on its channel, and the stream writes the music over it
// as the mixer asks for it: the channel's volume, pausing and halting work on it as on any chunk.
#include "TovarWorks/SoundSystem/ISound.h"
#include "TovarWorks/SoundSystem/MusicStream.h"

#include <SDL_mixer.h>

#include <memory>

namespace TovarWorks {

class SdlSoundEngine;

// SDL_mixer's 0-128 scale for a volume of 0.0-1.0; values outside are clamped.
int toMixerVolume(float volume);

class SdlSound : public ISound {
public:
    SdlSound(SdlSoundEngine& owner, Mix_Chunk& source, int channel, bool loop,
             std::unique_ptr<MusicStream> stream = nullptr);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void setVolume(float volume) override;
    float getVolume() const override;
    void setIsPaused(bool paused) override;
    void stop() override;
    bool isFinished() const override;

    // Started, not paused and not yet at its end.
    bool isAudible() const;
    // Decoded as it plays rather than held decoded whole.
    bool isStreamed() const { return stream != nullptr; }
    // The output is closing: halt, and ignore every later call.
    void detachFromOutput();

private:
    void start();
    static void fillFromStream(int channel, void* samples, int bytes, void* stream);

    SdlSoundEngine* owner;
    Mix_Chunk* source;
    const int channel;
    const bool loop;
    const std::unique_ptr<MusicStream> stream;
    float volume = 1.0f;
    bool started = false;
    bool paused = true;
    bool stopped = false;
};

} // namespace TovarWorks
