#pragma once
// The blue framed board behind name plates, choice boards and bubbles: a filled rectangle with
// 16-unit frame pieces from the nine-patch of "lumodata/2d/gui2.png".
#include "src_lumo/Gui/GuiPainter.h"

namespace Lumo {

class FramedBoard {
public:
    static constexpr unsigned kFillColour = 0xFF639BFF;
    static constexpr float kFrame = 16.0f;

    static void draw(const GuiPainter& painter, irr::video::ITexture* skin, const irr::core::rectf& area);
};

} // namespace Lumo
