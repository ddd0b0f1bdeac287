#pragma once
// While the baker mixes or kneads: the turning waiting icon over the work table and a bar that
// fills as the work goes on.
#include <irrlicht.h>

namespace Lumo {

class WaitingIcon {
public:
    static constexpr unsigned kFrameMillis = 150;

    // progress from 0 to 1; the icon stands over that point of the scene as the camera sees it.
    static void draw(float progress, const irr::core::vector3df& spot, irr::scene::ICameraSceneNode* camera);
    // The interface point (640 x 360 units) where the camera shows a point of the scene; the
    // middle of the screen when there is no camera or the point lies behind it.
    static irr::core::vector2df project(const irr::core::vector3df& spot, irr::scene::ICameraSceneNode* camera);
};

} // namespace Lumo
