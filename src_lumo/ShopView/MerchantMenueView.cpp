#include "src_lumo/ShopView/MerchantMenueView.h"

#include "src_lumo/Bakery/Pricing.h"
#include "src_lumo/ShopView/MenuCanvas.h"
#include "src_lumo/ShopView/ToolListView.h"

namespace Lumo {

namespace {

enum Column { kMargin, kLabel, kCount, kPrice };
constexpr int kRowHeight = 24;

} // namespace

void MerchantMenueView::draw(const MerchantMenue& menu, const WorldState& world) {
    if (menu.page() == MerchantMenue::kTabPage)
        drawTabs(menu);
    else if (menu.page() == MerchantMenue::kIngredientsPage)
        drawOrder(menu, world);
    else
        ToolListView::draw(menu.toolRow(), world);
}

void MerchantMenueView::drawTabs(const MerchantMenue& menu) {
    const int top = 132;
    GuiTable table(212, top, 428, top + 2 * kRowHeight + 6, kRowHeight, {16, 200});
    table.draw();
    const MenuCanvas canvas;
    canvas.cursor(table, menu.tab());
    for (int tab = 0; tab < 2; ++tab)
        canvas.label(table, kLabel, tab, MerchantMenue::tabLabelId(tab),
                     tab == menu.tab() ? MenuCanvas::kChosen : MenuCanvas::kText);
}

void MerchantMenueView::drawOrder(const MerchantMenue& menu, const WorldState& world) {
    const int top = 92;
    GuiTable table(128, top, 512, top + (MerchantMenue::kTakeRow + 1) * kRowHeight + 6, kRowHeight,
                   {16, 128, 112, 128});
    table.draw();
    const MenuCanvas canvas;
    canvas.cursor(table, menu.ingredientRow());
    canvas.label(table, kCount, 0, "MENU_TAKE", MenuCanvas::kHeading);
    canvas.label(table, kPrice, 0, "MENU_PRICE", MenuCanvas::kHeading);
    for (int row = MerchantMenue::kFirstRow; row <= MerchantMenue::kEggRow; ++row) {
        const int slot = row - 1;
        IngredientRow line{};
        line[slot] = menu.orderCounts()[slot];
        canvas.label(table, kLabel, row, ingredientLabelId(slot));
        canvas.text(table, kCount, row, std::to_wstring(line[slot]));
        canvas.text(table, kPrice, row, MenuCanvas::price(merchantPrice(line)));
    }
    const int64_t total = menu.orderPrice();
    canvas.label(table, kLabel, MerchantMenue::kTakeRow, "MENU_TAKE", MenuCanvas::kChosen);
    canvas.text(table, kPrice, MerchantMenue::kTakeRow, MenuCanvas::price(total),
                total > world.money ? MenuCanvas::kTooDear : MenuCanvas::kChosen);
}

} // namespace Lumo
