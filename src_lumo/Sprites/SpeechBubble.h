#pragma once
// What a character needs of a speech bubble. The bubble itself is a text box; a character only
// creates it through the factory, feeds it pages and places it above its head every frame.
#include <irrlicht.h>

#include <functional>
#include <memory>

namespace Lumo {

class SpeechBubble {
public:
    virtual ~SpeechBubble() = default;
    virtual void setHearingRange(float range) = 0;
    virtual void addPage(const irr::core::stringw& text) = 0;
    virtual void show() = 0;
    // True when the hero stands within the hearing range.
    virtual bool isHeardAt(const irr::core::vector3df& heroPosition) const = 0;
    virtual void setPosition(const irr::core::vector3df& position) = 0;
    virtual void draw() = 0;
};

using SpeechBubbleFactory = std::function<std::shared_ptr<SpeechBubble>(const irr::core::vector3df& position)>;

} // namespace Lumo
