#include "src_lumo/Gui/InterfaceView.h"

namespace Lumo {

InterfaceView InterfaceView::forScreen(const irr::core::dimension2du& screen) {
    const irr::s32 w = static_cast<irr::s32>(screen.Width);
    const irr::s32 h = static_cast<irr::s32>(screen.Height);
    irr::s32 width = w;
    irr::s32 height = static_cast<irr::s32>(w * 0.5625);
    if (h < w * 0.5625) {
        height = h;
        width = static_cast<irr::s32>(h * 1.77777);
    }
    InterfaceView view;
    const irr::s32 x0 = (w - width) / 2;
    const irr::s32 y0 = (h - height) / 2;
    view.viewport = irr::core::recti(x0, y0, x0 + width, y0 + height);
    view.scaleX = width / kWidth;
    view.scaleY = height / kHeight;
    return view;
}

irr::core::position2di InterfaceView::toPixels(float x, float y) const {
    return {viewport.UpperLeftCorner.X + static_cast<irr::s32>(x * scaleX),
            viewport.UpperLeftCorner.Y + static_cast<irr::s32>(y * scaleY)};
}

irr::core::recti InterfaceView::toPixels(const irr::core::rectf& area) const {
    return {toPixels(area.UpperLeftCorner.X, area.UpperLeftCorner.Y),
            toPixels(area.LowerRightCorner.X, area.LowerRightCorner.Y)};
}

} // namespace Lumo
