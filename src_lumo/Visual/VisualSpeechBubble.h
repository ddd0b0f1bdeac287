#pragma once
// A character's speech bubble drawn as the widgets' bubble: the sprites ask for a SpeechBubble,
// this gives them a VisualTextBoxBubble projected through the scene's active camera.
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/Sprites/SpeechBubble.h"

namespace Lumo {

class VisualSpeechBubble : public SpeechBubble {
public:
    explicit VisualSpeechBubble(const irr::core::vector3df& position);
    // What start-up hands the characters.
    static SpeechBubbleFactory factory();

    void setHearingRange(float range) override { box.setHearingRange(range); }
    void addPage(const irr::core::stringw& text) override { box.addPage(text.c_str()); }
    void show() override { box.show(); }
    bool isHeardAt(const irr::core::vector3df& heroPosition) const override { return box.isInRange(heroPosition); }
    void setPosition(const irr::core::vector3df& position) override { box.setPosition(position); }
    // A character draws its bubble once a frame: the typing moves on by that frame.
    void draw() override;

    const VisualTextBoxBubble& getBox() const { return box; }

private:
    VisualTextBoxBubble box;
};

} // namespace Lumo
