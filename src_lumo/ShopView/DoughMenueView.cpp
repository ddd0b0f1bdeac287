#include "src_lumo/ShopView/DoughMenueView.h"

#include "src_lumo/ShopView/MenuCanvas.h"

namespace Lumo {

namespace {

enum Column { kMargin, kLabel, kUse, kSupply, kPicture };
constexpr int kRowHeight = 22;
constexpr int kHeadRow = 1;
constexpr int kFactsRow = 8;
constexpr int kRows = 10;

GuiTable rowsTable() {
    const int top = 60;
    return GuiTable(80, top, 560, top + kRows * kRowHeight + 6, kRowHeight, {16, 176, 112, 112, 56});
}

constexpr float kBookLeft = 160, kBookTop = 72, kBookRight = 472, kBookBottom = 304;
constexpr float kCell = 56;
constexpr float kGridLeft = kBookLeft + 16, kGridTop = kBookTop + 28;

const FrameRect& bakedPicture(const Recipe& recipe) { return recipe.frames[1]; }

} // namespace

int DoughMenueView::tableRow(int menuRow) {
    if (menuRow == DoughMenue::kRecipeRow)
        return 0;
    if (menuRow <= DoughMenue::kEggRow)
        return menuRow + 1; // below the column heads
    return menuRow == DoughMenue::kAdditionalRow ? 7 : 9;
}

void DoughMenueView::draw(const DoughMenue& menu, const GoodsTable& goods) {
    if (menu.bookOpen())
        drawBook(menu, goods);
    else
        drawRows(menu, goods);
}

void DoughMenueView::drawRows(const DoughMenue& menu, const GoodsTable& goods) {
    GuiTable table = rowsTable();
    table.draw();
    const MenuCanvas canvas;
    canvas.cursor(table, tableRow(menu.cursorRow()));
    const Recipe& recipe = menu.recipe();

    canvas.label(table, kLabel, 0, DoughMenue::rowLabelId(DoughMenue::kRecipeRow));
    canvas.label(table, kUse, 0, goods.labelId(recipe.id), MenuCanvas::kChosen);
    // The good itself on a little card in the corner.
    const irr::core::recti corner = table.cellRect(kPicture, 0);
    const float cardX = static_cast<float>(corner.UpperLeftCorner.X);
    const float cardY = static_cast<float>(corner.UpperLeftCorner.Y + 4);
    canvas.fill(irr::core::rectf(cardX, cardY, cardX + 48, cardY + 36), 0x28FFFFFFu);
    const FrameRect& picture = bakedPicture(recipe);
    const float width = static_cast<float>(picture.right - picture.left);
    canvas.picture(picture, cardX + (48 - width) / 2, cardY + 2);

    canvas.label(table, kUse, kHeadRow, "MENU_USE", MenuCanvas::kHeading);
    canvas.label(table, kSupply, kHeadRow, "MENU_SUPPLY", MenuCanvas::kHeading);
    for (int menuRow = DoughMenue::kRecipeRow + 1; menuRow <= DoughMenue::kEggRow; ++menuRow) {
        const int slot = menuRow - 1;
        const int row = tableRow(menuRow);
        const bool lacking = menu.useAmount(slot) > menu.supply(slot);
        canvas.label(table, kLabel, row, DoughMenue::rowLabelId(menuRow));
        canvas.text(table, kUse, row, std::to_wstring(menu.useAmount(slot)),
                    lacking ? MenuCanvas::kTooDear : MenuCanvas::kText);
        canvas.text(table, kSupply, row, std::to_wstring(menu.supply(slot)));
    }

    canvas.label(table, kLabel, tableRow(DoughMenue::kAdditionalRow), DoughMenue::rowLabelId(DoughMenue::kAdditionalRow),
                 MenuCanvas::kHeading);
    canvas.text(table, kLabel, kFactsRow,
                MenuCanvas::textOf("MENU_MAX") + L" " + std::to_wstring(recipe.maxBatches));
    canvas.label(table, kUse, kFactsRow, "MENU_BAKING");
    canvas.text(table, kSupply, kFactsRow,
                std::to_wstring(recipe.bakeMinutes) + L" " + MenuCanvas::textOf("MENU_MIN"));

    const int createRow = tableRow(DoughMenue::kCreateRow);
    canvas.label(table, kLabel, createRow, DoughMenue::rowLabelId(DoughMenue::kCreateRow), MenuCanvas::kChosen);
    canvas.text(table, kUse, createRow, L"x " + std::to_wstring(menu.batches()), MenuCanvas::kChosen);
    // On the create row, why it would not make a dough.
    const char* refusal = menu.cursorRow() == DoughMenue::kCreateRow ? menu.createRefusalId() : nullptr;
    if (refusal)
        canvas.noteLine(MenuCanvas::textOf(refusal), static_cast<float>(table.bottom + 6), MenuCanvas::kTooDear);
}

void DoughMenueView::drawBook(const DoughMenue& menu, const GoodsTable& goods) {
    GuiTable book(static_cast<int>(kBookLeft), static_cast<int>(kBookTop), static_cast<int>(kBookRight),
                  static_cast<int>(kBookBottom), 24, {16, 280});
    book.draw();
    const MenuCanvas canvas;
    canvas.label(book, 1, 0, "MENU_RECIPE", MenuCanvas::kHeading);

    for (int row = 0; row < DoughMenue::kBookRows; ++row) {
        for (int column = 0; column < DoughMenue::kBookColumns; ++column) {
            const int slot = column + DoughMenue::kBookColumns * row;
            const float x = kGridLeft + kCell * column;
            const float y = kGridTop + kCell * row;
            const bool chosen = column == menu.bookColumn() && row == menu.bookRow();
            canvas.fill(irr::core::rectf(x + 4, y + 4, x + kCell - 4, y + kCell - 4),
                        chosen ? MenuCanvas::kCursorBar : 0x28FFFFFFu);
            const Recipe& recipe = goods.entry(slot);
            if (recipe.name == "missingo")
                continue; // an empty page of the book
            const FrameRect& picture = bakedPicture(recipe);
            const float width = static_cast<float>(picture.right - picture.left);
            // A recipe not found yet shows as a dark shape: there is something left to find.
            canvas.picture(picture, x + (kCell - width) / 2, y + (kCell - MenuCanvas::kPicture) / 2,
                           goods.isUnlocked(slot) ? MenuCanvas::kText : 0xFF2A2018u);
        }
    }
    canvas.pointerAt(kGridLeft + kCell * menu.bookColumn() - 26, kGridTop + kCell * menu.bookRow() + kCell / 2);

    const int slot = menu.bookSlot();
    const Recipe& chosen = goods.entry(slot);
    std::string nameId = goods.labelId(slot);
    if (chosen.name != "missingo" && !goods.isUnlocked(slot))
        nameId = "MENU_NOT_FOUND";
    GuiTable nameLine(static_cast<int>(kGridLeft), static_cast<int>(kBookBottom - 30), static_cast<int>(kBookRight),
                      static_cast<int>(kBookBottom), 24, {280});
    canvas.label(nameLine, 0, 0, nameId, MenuCanvas::kChosen);
}

} // namespace Lumo
