#pragma once
// Starts a sound file. With a channel (>= 0) it replaces what plays there and can be faded;
// without one (-1) it plays once on its own.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>
#include <string>

namespace TovarWorks {

class PlaySoundEvent : public BaseEventData {
public:
    explicit PlaySoundEvent(std::wstring fileName, bool loop = false, float volume = 1.0f,
                            int32_t channel = -1)
        : fileName(std::move(fileName)), loop(loop), volume(volume), channel(channel) {}

    const EventType& GetEventType() const override { return PlaySoundEventType; }

    std::wstring fileName;
    bool loop;
    float volume;
    int32_t channel;
};

} // namespace TovarWorks
