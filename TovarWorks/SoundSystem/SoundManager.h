#pragma once
// Plays music and sounds on numbered channels, driven only by PlaySoundEvent and FadeSoundEvent.
// Starting a sound on a channel replaces the one there; fades run as processes. Without a sound
// engine (no audio output) every event is ignored and the game runs silently.
#include "TovarWorks/Events/IEventListener.h"
#include "TovarWorks/SoundSystem/ISoundEngine.h"
#include "TovarWorks/SoundSystem/SoundObject.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace TovarWorks {

class FadeSoundEvent;
class PlaySoundEvent;
class ProcessManager;

class SoundManager : public IEventListener {
public:
    using ChannelList = std::vector<std::shared_ptr<SoundObject>>;

    // Fades are attached to this process list.
    explicit SoundManager(std::shared_ptr<ProcessManager> processManager);

    const char* GetName() override { return "SoundManager"; }
    // Never consumes: other listeners see sound events too.
    bool HandleEvent(const IEventData& event) override;

    // Opens the audio output; false when none can be opened (then the manager stays silent).
    bool createEngine();
    bool hasEngine() const { return engine != nullptr; }
    // Overall volume, 0.0 to 1.0; nothing without an engine, which reads as silent.
    void setSoundVolume(float volume);
    float getSoundVolume() const;

    // The tracked sound of a channel, or null.
    std::shared_ptr<SoundObject> findChannel(int channel) const;
    const ChannelList& getChannels() const { return channels; }

private:
    void play(const PlaySoundEvent& event);
    void fade(const FadeSoundEvent& event) const;
    void stopChannel(int channel);
    ChannelList::const_iterator slotOf(int channel) const;

    // Declared first so that it goes last: the channels' sounds are released before the output.
    std::unique_ptr<ISoundEngine> engine;
    std::shared_ptr<ProcessManager> processManager;
    ChannelList channels;
    // Each unplayable file is told once, not every time the schedule asks for it.
    std::set<std::wstring> reportedFiles;
};

} // namespace TovarWorks
