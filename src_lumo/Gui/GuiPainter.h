#pragma once
// Draws the interface in 640 x 360 units: texture regions and filled rectangles are mapped through
// the interface view. Textured quads are gathered into as few driver calls as their order allows
// (GuiQuadBatch) and are all drawn by the time the painter goes. Lives for one draw: it switches
// the 2D filtering to the player's choice (pixel precise = nearest texel, stretched = smoothed)
// and restores the driver when it goes.
#include "src_lumo/Gui/InterfaceView.h"

#include <irrlicht.h>

namespace Lumo {

class GuiPainter {
public:
    GuiPainter(irr::video::IVideoDriver* driver, const InterfaceView& view, bool pixelPrecise);
    // The painter of the running game: the device's driver, the view and setting of gGameData.
    static GuiPainter forGame();
    ~GuiPainter();
    GuiPainter(const GuiPainter&) = delete;
    GuiPainter& operator=(const GuiPainter&) = delete;
    GuiPainter(GuiPainter&& other) noexcept;
    GuiPainter& operator=(GuiPainter&&) = delete;

    // A missing texture draws nothing. The clip rectangle, if any, is in pixels.
    void drawImage(irr::video::ITexture* texture, const irr::core::recti& source, const irr::core::rectf& target,
                   irr::video::SColor colour = irr::video::SColor(0xFFFFFFFF),
                   const irr::core::recti* clipPixels = nullptr) const;
    // Same, with the target moved down by whole pixels (the typing drop).
    void drawImageShifted(irr::video::ITexture* texture, const irr::core::recti& source,
                          const irr::core::rectf& target, int shiftPixelsY, irr::video::SColor colour,
                          const irr::core::recti* clipPixels = nullptr) const;
    void fillRect(const irr::core::rectf& target, irr::video::SColor colour) const;

    irr::video::IVideoDriver* getDriver() const { return driver; }
    const InterfaceView& getView() const { return view; }

private:
    irr::video::IVideoDriver* driver;
    InterfaceView view;
};

} // namespace Lumo
