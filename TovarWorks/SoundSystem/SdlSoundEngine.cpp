#include "TovarWorks/SoundSystem/SdlSoundEngine.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>

namespace TovarWorks {

namespace {
constexpr int kSampleRate = 44100;
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 2048;
constexpr int kInitialMixerChannels = 16;
constexpr int kSilentFrames = 4096;

bool isMp3(const std::string& fileName) {
    std::string ending = fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : std::string();
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    return ending == ".mp3";
}
} // namespace

bool SdlSoundEngine::outputOpen = false;

std::unique_ptr<SdlSoundEngine> SdlSoundEngine::create() {
    if (outputOpen)
        return nullptr;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kOutputChannels, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    return std::make_unique<SdlSoundEngine>(OpenedOutput{});
}

SdlSoundEngine::SdlSoundEngine(OpenedOutput)
    : channelInUse(static_cast<size_t>(Mix_AllocateChannels(kInitialMixerChannels)), false) {
    outputOpen = true;
    Uint16 format = 0;
    if (Mix_QuerySpec(&outputRate, &format, &outputChannels) == 0 || format != AUDIO_S16SYS)
        outputChannels = 0; // no streams: everything is decoded whole
    silentSamples.assign(static_cast<size_t>(kSilentFrames) * sizeof(int16_t) * std::max(outputChannels, 1), 0);
    silentChunk.reset(Mix_QuickLoad_RAW(silentSamples.data(), static_cast<Uint32>(silentSamples.size())));
}

SdlSoundEngine::~SdlSoundEngine() {
    // Handles may outlive the output (a fade still holding its sound); they fall silent.
    for (const auto& sound : sounds)
        sound->detachFromOutput();
    sounds.clear();
    sources.clear();
    silentChunk.reset();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    outputOpen = false;
}

void SdlSoundEngine::setSoundVolume(float volume) {
    soundVolume = volume;
    Mix_MasterVolume(toMixerVolume(volume));
}

float SdlSoundEngine::getSoundVolume() const { return soundVolume; }

ISoundPtr SdlSoundEngine::play2D(const std::string& fileName, bool loop, bool startPaused) {
    forgetSilentUnheldSounds();
    std::unique_ptr<MusicStream> stream;
    Mix_Chunk* source = nullptr;
    if (isMp3(fileName) && silentChunk && outputChannels > 0 && outputChannels <= 2) {
        stream = MusicStream::open(fileName, outputRate, outputChannels, loop);
        source = stream ? silentChunk.get() : nullptr;
    } else {
        source = loadSource(fileName);
    }
    if (!source)
        return nullptr;
    auto sound = std::make_shared<SdlSound>(*this, *source, claimChannel(), loop, std::move(stream));
    sounds.push_back(sound);
    if (!startPaused)
        sound->setIsPaused(false);
    return sound;
}

Mix_Chunk* SdlSoundEngine::loadSource(const std::string& fileName) {
    auto found = sources.find(fileName);
    if (found != sources.end())
        return found->second.get();
    Mix_Chunk* chunk = Mix_LoadWAV(fileName.c_str());
    if (chunk)
        sources[fileName].reset(chunk);
    return chunk;
}

int SdlSoundEngine::claimChannel() {
    auto freeSlot = std::find(channelInUse.begin(), channelInUse.end(), false);
    const int channel = static_cast<int>(freeSlot - channelInUse.begin());
    if (freeSlot == channelInUse.end())
        channelInUse.resize(static_cast<size_t>(Mix_AllocateChannels(channel * 2)), false);
    channelInUse[static_cast<size_t>(channel)] = true;
    return channel;
}

void SdlSoundEngine::silence(int channel) {
    Mix_HaltChannel(channel);
    // Halting removes the stream only from a channel that was playing.
    Mix_UnregisterAllEffects(channel);
}

void SdlSoundEngine::releaseChannel(int channel) {
    silence(channel);
    channelInUse[static_cast<size_t>(channel)] = false;
}

void SdlSoundEngine::forgetSilentUnheldSounds() {
    // Erasing runs the sounds' destructors, which hand their channels back.
    sounds.erase(std::remove_if(sounds.begin(), sounds.end(),
                                [](const std::shared_ptr<SdlSound>& sound) {
                                    return sound.use_count() == 1 && !sound->isAudible();
                                }),
                 sounds.end());
}

} // namespace TovarWorks
