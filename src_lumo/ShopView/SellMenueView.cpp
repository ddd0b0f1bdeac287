#include "src_lumo/ShopView/SellMenueView.h"

#include "src_lumo/ShopView/MenuCanvas.h"

#include <algorithm>

namespace Lumo {

namespace {

enum Column { kMargin, kPicture, kName, kPrice };
constexpr int kRowHeight = 36;

} // namespace

void SellMenueView::draw(const SellMenue& menu, const GoodsTable& goods) {
    const std::vector<BakedGood>& offered = menu.offeredGoods();
    const int priceRow = static_cast<int>(offered.size()) + 1;
    const int top = 136;
    GuiTable table(168, top, 472, top + (priceRow + 1) * kRowHeight + 6, kRowHeight, {16, 48, 144, 96});
    table.draw();
    const MenuCanvas canvas;
    canvas.label(table, kPicture, 0, SellMenue::titleId(), MenuCanvas::kHeading);
    for (size_t i = 0; i < offered.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const BakedGood& good = offered[i];
        const Recipe& recipe = goods.entry(good.kind);
        const irr::core::recti cell = table.cellRect(kPicture, row);
        canvas.picture(recipe.frames[static_cast<size_t>(std::clamp(good.stage, 1, 4) - 1)],
                       static_cast<float>(cell.UpperLeftCorner.X), static_cast<float>(cell.UpperLeftCorner.Y - 4));
        canvas.label(table, kName, row, goods.labelId(good.kind));
    }
    canvas.cursor(table, priceRow);
    canvas.label(table, kName, priceRow, "MENU_PRICE", MenuCanvas::kChosen);
    canvas.text(table, kPrice, priceRow, MenuCanvas::price(menu.askedPrice()), MenuCanvas::kChosen);
}

} // namespace Lumo
