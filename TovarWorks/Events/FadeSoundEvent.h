#pragma once
// Fades the sound of a channel to a volume over a time, optionally stopping it at the end.
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/IEventData.h"

#include <cstdint>

namespace TovarWorks {

class FadeSoundEvent : public BaseEventData {
public:
    FadeSoundEvent(int32_t channel, float targetVolume, float durationMillis = 3000.0f,
                   bool stopAtEnd = true)
        : channel(channel), targetVolume(targetVolume), durationMillis(durationMillis),
          stopAtEnd(stopAtEnd) {}

    const EventType& GetEventType() const override { return FadeSoundEventType; }

    int32_t channel;
    float targetVolume;
    float durationMillis;
    bool stopAtEnd;
};

} // namespace TovarWorks
