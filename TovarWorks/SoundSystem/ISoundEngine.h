#pragma once
// The sound output the sound manager plays through: a file played in 2D, looping or once, plus
// an overall volume. Kept this small so that any mixing library can stand behind it.
#include "TovarWorks/SoundSystem/ISound.h"

#include <string>

namespace TovarWorks {

class ISoundEngine {
public:
    virtual ~ISoundEngine() = default;

    // Overall volume of everything played, 0.0 to 1.0.
    virtual void setSoundVolume(float volume) = 0;
    virtual float getSoundVolume() const = 0;

    // Prepares the file for playback (paused if asked, else playing at once) and returns the
    // sound, or null when the file cannot be played (missing, unreadable, not a sound).
    virtual ISoundPtr play2D(const std::string& fileName, bool loop, bool startPaused) = 0;
};

} // namespace TovarWorks
