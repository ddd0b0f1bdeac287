#include "src_lumo/Gui/FramedBoard.h"

#include "src_lumo/Gui/GuiSheetLayout.h"

namespace Lumo {

void FramedBoard::draw(const GuiPainter& painter, irr::video::ITexture* skin, const irr::core::rectf& area) {
    painter.fillRect(area, irr::video::SColor(kFillColour));
    // Column and row edges of the nine pieces; the middle ones stretch.
    const float xs[4] = {area.UpperLeftCorner.X, area.UpperLeftCorner.X + kFrame, area.LowerRightCorner.X - kFrame,
                         area.LowerRightCorner.X};
    const float ys[4] = {area.UpperLeftCorner.Y, area.UpperLeftCorner.Y + kFrame, area.LowerRightCorner.Y - kFrame,
                         area.LowerRightCorner.Y};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row == 1 && column == 1)
                continue; // the fill shows through the middle
            if (xs[column + 1] <= xs[column] || ys[row + 1] <= ys[row])
                continue;
            const GuiSheetLayout::Region piece = GuiSheetLayout::boardPiece(column, row);
            painter.drawImage(skin, piece.rect(),
                              irr::core::rectf(xs[column], ys[row], xs[column + 1], ys[row + 1]));
        }
    }
}

} // namespace Lumo
