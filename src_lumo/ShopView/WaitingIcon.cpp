#include "src_lumo/ShopView/WaitingIcon.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Gui/GuiSheetLayout.h"
#include "src_lumo/Gui/InterfaceView.h"
#include "src_lumo/ShopView/MenuCanvas.h"

#include <algorithm>
#include <cmath>

namespace Lumo {

irr::core::vector2df WaitingIcon::project(const irr::core::vector3df& spot, irr::scene::ICameraSceneNode* camera) {
    const irr::core::vector2df middle(InterfaceView::kWidth / 2, InterfaceView::kHeight / 2);
    if (!camera)
        return middle;
    // The scene is drawn into the interface's viewport, so clip space maps straight onto it.
    irr::core::matrix4 toClip = camera->getProjectionMatrix();
    toClip *= camera->getViewMatrix();
    irr::f32 point[4] = {spot.X, spot.Y, spot.Z, 1.0f};
    toClip.multiplyWith1x4Matrix(point);
    if (point[3] <= 0.0f)
        return middle;
    const float x = (point[0] / point[3] + 1.0f) / 2.0f * InterfaceView::kWidth;
    const float y = (1.0f - point[1] / point[3]) / 2.0f * InterfaceView::kHeight;
    return {std::round(x), std::round(y)};
}

void WaitingIcon::draw(float progress, const irr::core::vector3df& spot, irr::scene::ICameraSceneNode* camera) {
    const irr::core::vector2df at = project(spot, camera);
    const uint32_t time = TovarWorks::gDevice ? TovarWorks::gDevice->getTime() : 0;
    const int frame = static_cast<int>(time / kFrameMillis) % GuiSheetLayout::kWaitingFrames;
    const float left = at.X - 16.0f;
    const float top = at.Y - 44.0f;
    const MenuCanvas canvas;
    canvas.sheetImage(GuiSheetLayout::waitingIcon(frame).rect(), irr::core::rectf(left, top, left + 32.0f, top + 32.0f));
    const float barTop = top + 34.0f;
    canvas.fill(irr::core::rectf(left - 2.0f, barTop, left + 34.0f, barTop + 6.0f), 0xC8000000u);
    const float filled = std::floor(32.0f * std::clamp(progress, 0.0f, 1.0f));
    canvas.fill(irr::core::rectf(left, barTop + 2.0f, left + filled, barTop + 4.0f), MenuCanvas::kChosen);
}

} // namespace Lumo
