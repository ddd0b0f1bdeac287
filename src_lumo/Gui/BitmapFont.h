#pragma once
// The game's own font, "lumodata/fontbakery.png": one 16 x 16 glyph per character on a 32-pixel
// grid, laid out by ASCII code without the upper-case rows, then a row of German letters
// (GuiSheetLayout). Characters without a glyph (space, capitals, most symbols) draw nothing but
// still take their cell.
#include "src_lumo/Gui/GuiPainter.h"

#include <irrlicht.h>

#include <string>

namespace Lumo {

class BitmapFont {
public:
    static constexpr int kCell = 16;

    explicit BitmapFont(irr::video::ITexture* texture) : texture(texture) {}
    // The font of the running game (gGameData's font texture).
    static BitmapFont forGame();

    static bool hasGlyph(wchar_t character);
    // The glyph's region in the atlas; false for characters without one.
    static bool glyphSource(wchar_t character, irr::core::recti& source);
    // Width of the longest line and height of all lines, in interface units.
    static irr::core::dimension2di measure(const std::wstring& text, int lineHeight = kCell);

    void drawGlyph(const GuiPainter& painter, wchar_t character, float x, float y, irr::video::SColor colour,
                   int shiftPixelsY = 0, const irr::core::recti* clipPixels = nullptr) const;
    // One line with its letters "pitch" units apart instead of a whole cell, set as close as the
    // sheets' own lettering, for small print.
    void drawTight(const GuiPainter& painter, const std::wstring& line, float x, float y, irr::video::SColor colour,
                   float pitch) const;
    // Lines break only at '\n'.
    void drawText(const GuiPainter& painter, const std::wstring& text, float x, float y,
                  irr::video::SColor colour, int lineHeight = kCell) const;

private:
    irr::video::ITexture* texture;
};

} // namespace Lumo
