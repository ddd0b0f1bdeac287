#pragma once
// Where each picture lies on the interface sheets. The widgets read these regions and the art tool
// paints them, so the two cannot drift apart. Regions are (x0, y0, x1, y1) in texels.
#include <irrlicht.h>

namespace Lumo::GuiSheetLayout {

struct Region {
    int x0, y0, x1, y1;
    constexpr int width() const { return x1 - x0; }
    constexpr int height() const { return y1 - y0; }
    irr::core::recti rect() const { return {x0, y0, x1, y1}; }
};

// "lumodata/2d/gui.png"
constexpr int kGuiWidth = 640, kGuiHeight = 256;
constexpr Region kTopStrip{0, 0, 640, 52};
constexpr Region kDayBox{0, 52, 38, 74};
constexpr Region kDayBoxToday{40, 52, 76, 74};
constexpr int kDayLabelY = 76, kDayLabelWidth = 38, kDayLabelHeight = 22;
// One row of weekday labels per language, in the order of GameLanguages.
constexpr int kDayLabelLanguages = 2;
constexpr Region dayLabel(int weekDay, int language = 0) {
    const int y = kDayLabelY + kDayLabelHeight * language;
    return {kDayLabelWidth * weekDay, y, kDayLabelWidth * weekDay + kDayLabelWidth, y + kDayLabelHeight};
}
constexpr Region kPointer{0, 204, 32, 236};
constexpr int kWaitingFrames = 4;
constexpr Region waitingIcon(int frame) { return {64 + 32 * frame, 204, 96 + 32 * frame, 236}; }

// "lumodata/2d/gui2.png"
constexpr int kGui2Width = 544, kGui2Height = 152;
constexpr int kBoardPiece = 16; // nine-patch of the framed boards: 3 x 3 pieces from (0, 0)
constexpr Region boardPiece(int column, int row) {
    return {kBoardPiece * column, kBoardPiece * row, kBoardPiece * column + kBoardPiece, kBoardPiece * row + kBoardPiece};
}
constexpr Region kBubbleTail{48, 0, 64, 32};
constexpr Region continueMarker(int cell) { return {64 + 16 * cell, 0, 80 + 16 * cell, 16}; }
constexpr Region kSelectionMarker{112, 0, 128, 16};
constexpr Region kDialogueBox{0, 48, 540, 148};

// "lumodata/2d/gui3.png"
constexpr int kGui3Width = 112, kGui3Height = 40;
constexpr Region kCalendarCell{0, 0, 55, 40};
constexpr Region kCalendarCellToday{55, 0, 110, 40};

// "lumodata/fontbakery.png": four ASCII rows, then a row of the letters German needs, in this order.
constexpr int kFontWidth = 512, kFontHeight = 256;
constexpr int kFontExtraRow = 4;
constexpr const wchar_t* kFontExtraLetters = L"\u00e4\u00f6\u00fc\u00df\u00c4\u00d6\u00dc";

// Title menu pictures.
constexpr int kMenuBackgroundWidth = 640, kMenuBackgroundHeight = 360; // "lumodata/2d/mm_b.png"
constexpr int kMenuSideWidth = 128, kMenuSideHeight = 360;             // "lumodata/2d/mm_s.png"
constexpr int kLogoWidth = 320, kLogoHeight = 96;                      // "lumodata/2d/logo.png"

} // namespace Lumo::GuiSheetLayout
