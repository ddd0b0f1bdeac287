#pragma once
// A speech bubble over a character: typed like the dialogue box, hung above the projected world
// position and kept inside the interface. It lasts until the hero comes within hearing range.
#include "src_lumo/Gui/VisualTextBox.h"

#include <functional>

namespace Lumo {

// World position to interface units; false when the point cannot be seen (behind the camera).
using InterfaceProjector = std::function<bool(const irr::core::vector3df& world, irr::core::vector2df& units)>;

class VisualTextBoxBubble : public VisualTextBox {
public:
    static constexpr float kNoRange = -1.0f;
    static constexpr float kMargin = 4.0f;
    static constexpr int kLineHeight = 16;

    VisualTextBoxBubble(const irr::core::vector3df& position, InterfaceProjector projector);
    // Projects through a camera's current view and projection.
    static InterfaceProjector cameraProjector(irr::scene::ICameraSceneNode* camera);

    bool isInRange(const irr::core::vector3df& heroPosition) const override;
    void show() override { shown = true; }
    void draw() override;

    void setHearingRange(float range) { hearingRange = range; }
    void setPosition(const irr::core::vector3df& position) { worldPosition = position; }
    const irr::core::vector3df& getPosition() const { return worldPosition; }

    // Where a bubble hanging at this interface point is drawn: its board and the tail under it,
    // moved back together inside the interface (and so inside the scene's viewport).
    struct Layout {
        irr::core::rectf board;
        irr::core::rectf tail;
    };
    Layout layout(const irr::core::vector2df& anchor) const;

private:
    irr::core::vector3df worldPosition;
    float hearingRange = kNoRange;
    InterfaceProjector projector;
};

} // namespace Lumo
