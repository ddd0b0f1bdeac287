#include "src_lumo/Visual/SceneScissor.h"

#include <GL/gl.h>

namespace Lumo {

SceneScissor::SceneScissor(irr::video::IVideoDriver* driver, const irr::core::recti& viewport, int coveredBottom)
{
    // One row of the band is drawn all the same: the strip's last row may be only partly covered
    // where its scaled edge falls between pixels.
    const int top = coveredBottom - 1;
    if (!driver || driver->getDriverType() != irr::video::EDT_OPENGL || top <= viewport.UpperLeftCorner.Y ||
        top >= viewport.LowerRightCorner.Y)
        return;
    const int targetHeight = static_cast<int>(driver->getCurrentRenderTargetSize().Height);
    // OpenGL counts rows from the bottom.
    glScissor(viewport.UpperLeftCorner.X, targetHeight - viewport.LowerRightCorner.Y, viewport.getWidth(),
              viewport.LowerRightCorner.Y - top);
    glEnable(GL_SCISSOR_TEST);
    active = true;
}

SceneScissor::~SceneScissor()
{
    if (active)
        glDisable(GL_SCISSOR_TEST);
}

} // namespace Lumo
