#pragma once
// The month on the bakery wall: a header of week days, four weeks of cells with today
// highlighted, and a bobbing pointer the player moves over the days. Days whose letter has come
// are marked: the calendar is where the player reads old letters again.
#include "src_lumo/Gui/GameStatus.h"
#include "src_lumo/Gui/GuiElement.h"

#include <irrlicht.h>

namespace Lumo {

class Calendar : public GuiElement {
public:
    static constexpr int kColumns = 7, kRows = 4;

    explicit Calendar(const GameStatus& status) : status(&status) {}

    void draw() override;

    // Moves the pointer, kept on the grid.
    void moveCursor(int columns, int rows);
    int getCursorColumn() const { return cursorColumn; }
    int getCursorRow() const { return cursorRow; }

    static int dayOfCell(int column, int row) { return column + 1 + kColumns * row; }
    // Where a cell's picture lies, in interface units.
    static irr::core::rectf cellArea(int column, int row);
    bool isToday(int column, int row) const { return dayOfCell(column, row) == status->day(); }
    // The day under the pointer when its letter has come, else 0.
    int letterDayAtCursor() const;

private:
    const GameStatus* status;
    int cursorColumn = 0;
    int cursorRow = 0;
};

} // namespace Lumo
