#pragma once
// The translucent table box of the shop screens; the screens lay their rows into its cells.
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiElement.h"

#include <irrlicht.h>

#include <string>
#include <vector>

namespace Lumo {

class GuiTable : public GuiElement {
public:
    GuiTable(int left, int top, int right, int bottom, int rowHeight, std::vector<int> columnWidths);

    void draw() override;

    // A cell in interface units. Columns past the last have no width.
    irr::core::recti cellRect(int column, int row) const;
    // From the cell's left edge, centred vertically for the 16-unit font. With the painter of the
    // owner's whole draw, so the table's texts stay gathered in few calls.
    void drawCellText(const GuiPainter& painter, const BitmapFont& font, int column, int row, const std::wstring& text,
                      irr::video::SColor colour) const;

    int left, top, right, bottom;
    int rowHeight;
    std::vector<int> columnWidths;

private:
    int columnLeft(int column) const;
    int columnWidth(int column) const;
};

} // namespace Lumo
