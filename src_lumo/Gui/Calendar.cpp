#include "src_lumo/Gui/Calendar.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiSheetLayout.h"
#include "src_lumo/Input/KeyWords.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Lumo {

namespace {
const irr::video::SColor kLetterDay(0xFFFFD060);
constexpr float kCellWidth = 55.0f, kCellHeight = 40.0f;
constexpr float kGridLeft = 120.0f, kGridTop = 110.0f;
constexpr float kHeaderLeft = 125.0f, kHeaderEnd = 510.0f;
} // namespace

void Calendar::moveCursor(int columns, int rows) {
    cursorColumn = std::clamp(cursorColumn + columns, 0, kColumns - 1);
    cursorRow = std::clamp(cursorRow + rows, 0, kRows - 1);
}

int Calendar::letterDayAtCursor() const {
    const int day = dayOfCell(cursorColumn, cursorRow);
    return status->hasLetter(day) ? day : 0;
}

irr::core::rectf Calendar::cellArea(int column, int row) {
    const float x = kGridLeft + kCellWidth * column;
    const float y = kGridTop + kCellHeight * row;
    return {x, y + 3, x + kCellWidth, y + kCellHeight};
}

void Calendar::draw() {
    if (!visible)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    const BitmapFont font = BitmapFont::forGame();
    irr::video::ITexture* sheet = gGameData ? gGameData->guiTexture : nullptr;
    irr::video::ITexture* cells = gGameData ? gGameData->gui3Texture : nullptr;

    const int language = GameLanguages::currentIndex();
    for (int column = 0; kHeaderLeft + kCellWidth * column < kHeaderEnd; ++column) {
        const float x = kHeaderLeft + kCellWidth * column;
        painter.drawImage(sheet, GuiSheetLayout::kDayBox.rect(), irr::core::rectf(x, 86, x + 38, 108));
        painter.drawImage(sheet, GuiSheetLayout::dayLabel(column, language).rect(), irr::core::rectf(x, 88, x + 38, 110));
    }

    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const irr::core::rectf area = cellArea(column, row);
            const GuiSheetLayout::Region image =
                isToday(column, row) ? GuiSheetLayout::kCalendarCellToday : GuiSheetLayout::kCalendarCell;
            painter.drawImage(cells, image.rect(), area);
            const std::wstring number = std::to_wstring(dayOfCell(column, row));
            const float textX = area.UpperLeftCorner.X + (kCellWidth - BitmapFont::kCell * number.size()) / 2;
            const float textY = area.UpperLeftCorner.Y + (area.getHeight() - BitmapFont::kCell) / 2;
            const bool letter = status->hasLetter(dayOfCell(column, row));
            font.drawText(painter, number, std::floor(textX), std::floor(textY),
                          letter ? kLetterDay : irr::video::SColor(0xFFFFFFFF));
        }
    }
    if (letterDayAtCursor() != 0) {
        const std::wstring readAgain =
            gGameData ? KeyWords(gGameData->texts).withBoundKeys(gameText("CALENDAR_READ_AGAIN"), gGameData->settings.keys)
                      : L"";
        font.drawText(painter, readAgain, kGridLeft, kGridTop + kCellHeight * kRows + 8, kLetterDay);
    }

    const float x = kGridLeft + kCellWidth * cursorColumn;
    const float y = kGridTop + kCellHeight * cursorRow;
    const float time = TovarWorks::gDevice ? static_cast<float>(TovarWorks::gDevice->getTime()) : 0.0f;
    const float d = 5.0f * std::sin(time / 100.0f);
    painter.drawImage(sheet, GuiSheetLayout::kPointer.rect(), irr::core::rectf(x - 32 + d, y - 12, x + d, y + 20));
}

} // namespace Lumo
