#include "src_lumo/Gui/BitmapFont.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <algorithm>

namespace Lumo {

namespace {

constexpr int kGrid = 32;
constexpr int kMargin = 2;

// Index in the row of extra letters, or -1.
int extraColumn(wchar_t character) {
    const std::wstring extras = GuiSheetLayout::kFontExtraLetters;
    const size_t found = extras.find(character);
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

// The ASCII rows are 0x20-0x2F, 0x30-0x3F, 0x60-0x6F, 0x70-0x7F; the extra letters follow.
bool atlasCell(wchar_t character, int& row, int& column) {
    column = extraColumn(character);
    if (column >= 0) {
        row = GuiSheetLayout::kFontExtraRow;
        return true;
    }
    column = character % 16;
    switch (character >> 4) {
    case 0x2: row = 0; return true;
    case 0x3: row = 1; return true;
    case 0x6: row = 2; return true;
    case 0x7: row = 3; return true;
    default: return false;
    }
}

} // namespace

BitmapFont BitmapFont::forGame() { return BitmapFont(gGameData ? gGameData->fontTexture : nullptr); }

bool BitmapFont::hasGlyph(wchar_t character) {
    if ((character >= L'a' && character <= L'z') || (character >= L'0' && character <= L'9'))
        return true;
    static const std::wstring punctuation = L"!$',-./:?";
    return punctuation.find(character) != std::wstring::npos || extraColumn(character) >= 0;
}

bool BitmapFont::glyphSource(wchar_t character, irr::core::recti& source) {
    int row = 0;
    int column = 0;
    if (!hasGlyph(character) || !atlasCell(character, row, column))
        return false;
    const int x = kMargin + kGrid * column;
    const int y = kMargin + kGrid * row;
    source = irr::core::recti(x, y, x + kCell, y + kCell);
    return true;
}

irr::core::dimension2di BitmapFont::measure(const std::wstring& text, int lineHeight) {
    int widest = 0;
    int current = 0;
    int lines = 1;
    for (const wchar_t character : text) {
        if (character == L'\n') {
            ++lines;
            current = 0;
            continue;
        }
        ++current;
        widest = std::max(widest, current);
    }
    return {widest * kCell, kCell + (lines - 1) * lineHeight};
}

void BitmapFont::drawGlyph(const GuiPainter& painter, wchar_t character, float x, float y,
                           irr::video::SColor colour, int shiftPixelsY, const irr::core::recti* clipPixels) const {
    irr::core::recti source;
    if (!glyphSource(character, source))
        return;
    painter.drawImageShifted(texture, source, irr::core::rectf(x, y, x + kCell, y + kCell), shiftPixelsY, colour,
                             clipPixels);
}

void BitmapFont::drawTight(const GuiPainter& painter, const std::wstring& line, float x, float y,
                           irr::video::SColor colour, float pitch) const {
    for (const wchar_t character : line) {
        drawGlyph(painter, character, x, y, colour);
        x += pitch;
    }
}

void BitmapFont::drawText(const GuiPainter& painter, const std::wstring& text, float x, float y,
                          irr::video::SColor colour, int lineHeight) const {
    float penX = x;
    float penY = y;
    for (const wchar_t character : text) {
        if (character == L'\n') {
            penX = x;
            penY += lineHeight;
            continue;
        }
        drawGlyph(painter, character, penX, penY, colour);
        penX += kCell;
    }
}

} // namespace Lumo
