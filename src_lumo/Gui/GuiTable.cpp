#include "src_lumo/Gui/GuiTable.h"

namespace Lumo {

GuiTable::GuiTable(int left, int top, int right, int bottom, int rowHeight, std::vector<int> columnWidths)
    : left(left), top(top), right(right), bottom(bottom), rowHeight(rowHeight), columnWidths(std::move(columnWidths)) {}

int GuiTable::columnLeft(int column) const {
    int x = left;
    for (int i = 0; i < column && i < static_cast<int>(columnWidths.size()); ++i)
        x += columnWidths[i];
    return x;
}

int GuiTable::columnWidth(int column) const {
    return column >= 0 && column < static_cast<int>(columnWidths.size()) ? columnWidths[column] : 0;
}

irr::core::recti GuiTable::cellRect(int column, int row) const {
    const int x = columnLeft(column);
    return {x, top + row * rowHeight, x + columnWidth(column), top + (row + 1) * rowHeight};
}

void GuiTable::drawCellText(const GuiPainter& painter, const BitmapFont& font, int column, int row,
                            const std::wstring& text, irr::video::SColor colour) const {
    const int y = top + row * rowHeight + (rowHeight - BitmapFont::kCell) / 2;
    font.drawText(painter, text, static_cast<float>(columnLeft(column)), static_cast<float>(y), colour);
}

void GuiTable::draw() {
    if (!visible)
        return;
    GuiPainter::forGame().fillRect(irr::core::rectf(left, top, right, bottom), irr::video::SColor(0xC8000000));
}

} // namespace Lumo
