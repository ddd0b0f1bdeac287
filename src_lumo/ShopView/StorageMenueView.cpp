#include "src_lumo/ShopView/StorageMenueView.h"

#include "src_lumo/ShopView/MenuCanvas.h"

namespace Lumo {

namespace {

enum Column { kMargin, kLabel, kTake, kLeftover };
constexpr int kRowHeight = 24;
// Where "item_box" lies on "lumodata/items.png".
constexpr FrameRect kBoxPicture{64, 192, 96, 224};

} // namespace

void StorageMenueView::draw(const StorageMenue& menu) {
    const int top = 92;
    GuiTable table(128, top, 512, top + (StorageMenue::kTakeRow + 1) * kRowHeight + 6, kRowHeight, {16, 128, 96, 144});
    table.draw();
    const MenuCanvas canvas;
    canvas.cursor(table, menu.cursorRow());

    canvas.label(table, kTake, 0, "MENU_TAKE", MenuCanvas::kHeading);
    canvas.label(table, kLeftover, 0, "MENU_LEFTOVER", MenuCanvas::kHeading);
    for (int row = StorageMenue::kFirstRow; row <= StorageMenue::kEggRow; ++row) {
        const int slot = row - 1;
        canvas.label(table, kLabel, row, StorageMenue::rowLabelId(row));
        canvas.text(table, kTake, row, std::to_wstring(menu.takeCounts()[slot]));
        canvas.text(table, kLeftover, row, std::to_wstring(menu.leftover(slot)));
    }
    canvas.label(table, kLabel, StorageMenue::kTakeRow, StorageMenue::rowLabelId(StorageMenue::kTakeRow),
                 MenuCanvas::kChosen);
    const irr::core::recti boxCell = table.cellRect(kTake, StorageMenue::kTakeRow);
    canvas.picture(kBoxPicture, static_cast<float>(boxCell.UpperLeftCorner.X),
                   static_cast<float>(boxCell.UpperLeftCorner.Y - 4));
}

} // namespace Lumo
