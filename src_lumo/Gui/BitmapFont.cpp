#include "src_lumo/Gui/BitmapFont.h"

#include "src_lumo/Game/GameData.h"

#include <algorithm>

namespace Lumo {

namespace {

constexpr int kGrid = 32;
constexpr int kMargin = 2;

// The atlas has four rows: 0x20-0x2F, 0x30-0x3F, 0x60-0x6F, 0x70-0x7F.
int atlasRow(wchar_t character) {
    switch (character >> 4) {
    case 0x2: return 0;
    case 0x3: return 1;
    case 0x6: return 2;
    case 0x7: return 3;
    default: return -1;
    }
}

} // namespace

BitmapFont BitmapFont::forGame() { return BitmapFont(gGameData ? gGameData->fontTexture : nullptr); }

bool BitmapFont::hasGlyph(wchar_t character) {
    if ((character >= L'a' && character <= L'z') || (character >= L'0' && character <= L'9'))
        return true;
    static const std::wstring punctuation = L"!$',-./:?";
    return punctuation.find(character) != std::wstring::npos;
}

bool BitmapFont::glyphSource(wchar_t character, irr::core::recti& source) {
    if (!hasGlyph(character))
        return false;
    const int row = atlasRow(character);
    const int column = character % 16;
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
