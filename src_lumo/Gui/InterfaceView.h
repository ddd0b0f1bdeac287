#pragma once
// Where the 640 x 360 interface lands on the screen: the letter-boxed 16:9 viewport and the two
// scales from interface units to pixels. The visual recomputes it on every resize.
#include <irrlicht.h>

namespace Lumo {

struct InterfaceView {
    static constexpr float kWidth = 640.0f;
    static constexpr float kHeight = 360.0f;

    // The largest centred 16:9 rectangle of a screen of that size.
    static InterfaceView forScreen(const irr::core::dimension2du& screen);

    // Interface units to screen pixels, truncated toward zero, offset by the viewport's corner.
    irr::core::position2di toPixels(float x, float y) const;
    irr::core::recti toPixels(const irr::core::rectf& area) const;

    irr::core::recti viewport{0, 0, 640, 360};
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

} // namespace Lumo
