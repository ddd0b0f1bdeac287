#include "src_lumo/ShopView/ToolListView.h"

#include "src_lumo/Shop/ToolShop.h"
#include "src_lumo/ShopView/MenuCanvas.h"

namespace Lumo {

namespace {

enum Column { kMargin, kItem, kPrice };
constexpr int kRowHeight = 24;

} // namespace

void ToolListView::draw(int cursorRow, const WorldState& world) {
    const int top = 116;
    GuiTable table(164, top, 476, top + (ToolShop::kRows + 1) * kRowHeight + 6, kRowHeight, {16, 192, 96});
    table.draw();
    const MenuCanvas canvas;
    canvas.cursor(table, cursorRow);
    canvas.label(table, kItem, 0, "MENU_ITEM", MenuCanvas::kHeading);
    canvas.label(table, kPrice, 0, "MENU_PRICE", MenuCanvas::kHeading);
    for (int row = 1; row <= ToolShop::kRows; ++row) {
        if (!ToolShop::isOffered(row, world.flagsAndPopularity))
            continue;
        const unsigned colour = row == cursorRow ? MenuCanvas::kChosen : MenuCanvas::kText;
        canvas.label(table, kItem, row, ToolShop::nameId(row), colour);
        canvas.label(table, kPrice, row, ToolShop::priceId(row),
                     world.money < ToolShop::price(row) ? MenuCanvas::kTooDear : colour);
    }
}

} // namespace Lumo
