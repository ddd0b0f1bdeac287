#pragma once
// The sound output on SDL_mixer. Every sound has a mixer channel of its own, so any number of
// pieces play and cross-fade at once. MP3 music is streamed (decoded as it plays); other files,
// short sounds, are decoded whole once and kept for reuse. Only one output can be open in a process.
#include "TovarWorks/SoundSystem/ISoundEngine.h"
#include "TovarWorks/SoundSystem/SdlSound.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace TovarWorks {

class SdlSoundEngine : public ISoundEngine {
    struct OpenedOutput {
        explicit OpenedOutput() = default;
    };

public:
    // Opens the audio output SDL chooses (the SDL_AUDIODRIVER hint picks a driver, "dummy"
    // for a silent one). Null when no output can be opened or one is open already.
    static std::unique_ptr<SdlSoundEngine> create();

    explicit SdlSoundEngine(OpenedOutput);
    ~SdlSoundEngine() override;
    SdlSoundEngine(const SdlSoundEngine&) = delete;
    SdlSoundEngine& operator=(const SdlSoundEngine&) = delete;

    void setSoundVolume(float volume) override;
    float getSoundVolume() const override;
    ISoundPtr play2D(const std::string& fileName, bool loop, bool startPaused) override;

    // Called by a sound when it goes: its channel may be given to the next one.
    void releaseChannel(int channel);
    // Halts the channel and takes its stream off it.
    static void silence(int channel);

private:
    struct ChunkRelease {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };

    Mix_Chunk* loadSource(const std::string& fileName);
    int claimChannel();
    // Sounds nobody holds any more and that are not playing are let go.
    void forgetSilentUnheldSounds();

    std::map<std::string, std::unique_ptr<Mix_Chunk, ChunkRelease>> sources;
    // What a streamed sound's channel plays, for the stream to write over.
    std::vector<Uint8> silentSamples;
    std::unique_ptr<Mix_Chunk, ChunkRelease> silentChunk;
    int outputRate = 0;
    int outputChannels = 0;
    // Every live sound, so that a sound the program released still plays to its end.
    std::vector<std::shared_ptr<SdlSound>> sounds;
    std::vector<bool> channelInUse;
    float soundVolume = 1.0f;

    static bool outputOpen;
};

} // namespace TovarWorks
