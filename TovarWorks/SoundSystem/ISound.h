#pragma once
// One sound started by an ISoundEngine. Releasing the last reference releases the program's
// hold on it; a sound that is still playing then plays on to its end, owned by the engine.
#include <memory>

namespace TovarWorks {

class ISound {
public:
    virtual ~ISound() = default;

    // 0.0 (silent) to 1.0 (as recorded, the default).
    virtual void setVolume(float volume) = 0;
    virtual float getVolume() const = 0;
    // A sound starts paused; unpausing it the first time starts playback.
    virtual void setIsPaused(bool paused) = 0;
    // Ends playback for good; a stopped sound cannot be started again.
    virtual void stop() = 0;
    // True once the sound has been stopped or has played to its end.
    virtual bool isFinished() const = 0;
};

using ISoundPtr = std::shared_ptr<ISound>;

} // namespace TovarWorks
