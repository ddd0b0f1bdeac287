#pragma once
// What every shop screen draws with, for the length of one draw: texts by game text id, numbers
// and prices in table cells, the cursor's bar and bobbing pointer, and the goods' pictures from
// "lumodata/items.png". The table's own box is drawn first, before a canvas exists.
#include "src_lumo/Bakery/Recipe.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiPainter.h"
#include "src_lumo/Gui/GuiTable.h"

#include <cstdint>
#include <string>

namespace Lumo {

class MenuCanvas {
public:
    static constexpr unsigned kText = 0xFFFFFFFF;
    static constexpr unsigned kHeading = 0xFFE8C89A;  // warm tan for column heads
    static constexpr unsigned kChosen = 0xFFFFD27F;   // the row under the cursor
    static constexpr unsigned kTooDear = 0xFFFF8C7A;  // a price the money does not reach
    static constexpr unsigned kCursorBar = 0x50FFC864;
    static constexpr int kPicture = 32;

    MenuCanvas();

    static std::wstring textOf(const std::string& id);
    static std::wstring price(int64_t amount) { return std::to_wstring(amount) + L"$"; }

    void text(const GuiTable& table, int column, int row, const std::wstring& text, unsigned colour = kText) const;
    void label(const GuiTable& table, int column, int row, const std::string& id, unsigned colour = kText) const {
        text(table, column, row, textOf(id), colour);
    }
    // A line of its own on a dark strip, centred across the screen, its top at y.
    void noteLine(const std::wstring& text, float top, unsigned colour = kText) const;
    // The row under the cursor: a soft bar across the table and the pointer left of it.
    void cursor(const GuiTable& table, int row) const;
    void pointerAt(float x, float centreY) const;
    // A good's picture at its sheet size (the baguette is twice as wide), top-left at (x, y).
    void picture(const FrameRect& frame, float x, float y, unsigned colour = kText) const;
    void fill(const irr::core::rectf& area, unsigned colour) const;
    // A picture from the GUI sheet "lumodata/2d/gui.png".
    void sheetImage(const irr::core::recti& source, const irr::core::rectf& target) const;

private:
    GuiPainter painter;
    BitmapFont font;
};

} // namespace Lumo
