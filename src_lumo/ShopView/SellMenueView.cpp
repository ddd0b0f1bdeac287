#include "src_lumo/ShopView/SellMenueView.h"

#include "src_lumo/ShopView/MenuCanvas.h"

#include <algorithm>

namespace Lumo {

namespace {

enum Column { kMargin, kPicture, kName, kPrice, kFair };
constexpr int kRowHeight = 36;

} // namespace

void SellMenueView::draw(const SellMenue& menu, const GoodsTable& goods) {
    const std::vector<BakedGood>& offered = menu.offeredGoods();
    const int priceRow = static_cast<int>(offered.size()) + 1;
    const int top = 100;
    GuiTable table(64, top, 576, top + (priceRow + 1) * kRowHeight + 6, kRowHeight, {16, 48, 208, 112, 128});
    table.draw();
    const MenuCanvas canvas;
    canvas.label(table, kPicture, 0, SellMenue::titleId(), MenuCanvas::kHeading);
    canvas.label(table, kFair, 0, "SELL_FAIR", MenuCanvas::kHeading);
    for (size_t i = 0; i < offered.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const BakedGood& good = offered[i];
        const Recipe& recipe = goods.entry(good.kind);
        const irr::core::recti cell = table.cellRect(kPicture, row);
        canvas.picture(recipe.frames[static_cast<size_t>(std::clamp(good.stage, 1, 4) - 1)],
                       static_cast<float>(cell.UpperLeftCorner.X), static_cast<float>(cell.UpperLeftCorner.Y - 4));
        const bool burnt = menu.isBurnt(i);
        canvas.label(table, kName, row, burnt ? "SELL_BURNT" : goods.labelId(good.kind),
                     burnt ? MenuCanvas::kTooDear : MenuCanvas::kText);
        if (!burnt) // the note across the row says it already
            canvas.text(table, kFair, row, MenuCanvas::price(menu.fairPriceOf(i)), MenuCanvas::kHeading);
    }
    canvas.cursor(table, priceRow);
    canvas.label(table, kName, priceRow, "MENU_PRICE", MenuCanvas::kChosen);
    canvas.text(table, kPrice, priceRow, MenuCanvas::price(menu.askedPrice()), MenuCanvas::kChosen);
    canvas.text(table, kFair, priceRow, MenuCanvas::price(menu.referencePrice()), MenuCanvas::kHeading);
    canvas.noteLine(MenuCanvas::textOf("SELL_KEYS"), static_cast<float>(table.bottom + 6));
}

} // namespace Lumo
