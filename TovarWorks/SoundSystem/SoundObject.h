#pragma once
// A sound the manager tracks on a channel.
#include "TovarWorks/SoundSystem/ISound.h"

namespace TovarWorks {

class SoundObject {
public:
    SoundObject(ISoundPtr sound, int channel) : sound(std::move(sound)), channel(channel) {}

    ISoundPtr sound;
    int channel;
};

} // namespace TovarWorks
