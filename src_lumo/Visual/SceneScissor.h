#pragma once
// Keeps the 3-D scene out of a band across the top of its viewport that the interface then covers
// with opaque pixels (the HUD's strip): a software renderer pays for every hidden fragment, and
// the band is a seventh of the picture. The picture does not change. OpenGL only; other drivers
// draw everything, as without it.
#include <irrlicht.h>

namespace Lumo {

class SceneScissor {
public:
    // coveredBottom: the first screen row (top-left origin) below the covered band; at or above
    // the viewport's top, nothing is left out.
    SceneScissor(irr::video::IVideoDriver* driver, const irr::core::recti& viewport, int coveredBottom);
    ~SceneScissor();
    SceneScissor(const SceneScissor&) = delete;
    SceneScissor& operator=(const SceneScissor&) = delete;

private:
    bool active = false;
};

} // namespace Lumo
