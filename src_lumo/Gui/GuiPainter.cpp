#include "src_lumo/Gui/GuiPainter.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/GuiQuadBatch.h"

namespace Lumo {

namespace {

// One for all painters: a painter may draw while another one is alive (the HUD's counter), and
// the order of the draws must hold.
GuiQuadBatch& pendingQuads() {
    static GuiQuadBatch batch;
    return batch;
}

// A painter made while another one draws (the HUD's money counter, a table's text on a shop
// screen) must not switch the outer one's filtering off when it goes.
int livePainters = 0;

} // namespace

GuiPainter::GuiPainter(irr::video::IVideoDriver* driver, const InterfaceView& view, bool pixelPrecise)
    : driver(driver), view(view) {
    if (!driver)
        return;
    // Pending quads keep the filtering they were drawn with.
    pendingQuads().flush();
    ++livePainters;
    irr::video::SMaterial& material = driver->getMaterial2D();
    material.TextureLayer[0].BilinearFilter = !pixelPrecise;
    material.TextureLayer[0].TrilinearFilter = false;
    material.TextureLayer[0].AnisotropicFilter = 0;
    material.AntiAliasing = irr::video::EAAM_OFF;
    driver->enableMaterial2D(true);
}

GuiPainter GuiPainter::forGame() {
    irr::video::IVideoDriver* driver = TovarWorks::gDevice ? TovarWorks::gDevice->getVideoDriver() : nullptr;
    if (!gGameData)
        return GuiPainter(driver, InterfaceView(), true);
    return GuiPainter(driver, gGameData->interfaceView, gGameData->settings.pixelPrecise);
}

GuiPainter::GuiPainter(GuiPainter&& other) noexcept : driver(other.driver), view(other.view) {
    other.driver = nullptr;
}

GuiPainter::~GuiPainter() {
    if (!driver)
        return;
    pendingQuads().flush();
    if (--livePainters == 0)
        driver->enableMaterial2D(false);
}

void GuiPainter::drawImage(irr::video::ITexture* texture, const irr::core::recti& source,
                           const irr::core::rectf& target, irr::video::SColor colour,
                           const irr::core::recti* clipPixels) const {
    drawImageShifted(texture, source, target, 0, colour, clipPixels);
}

void GuiPainter::drawImageShifted(irr::video::ITexture* texture, const irr::core::recti& source,
                                  const irr::core::rectf& target, int shiftPixelsY, irr::video::SColor colour,
                                  const irr::core::recti* clipPixels) const {
    if (!driver || !texture)
        return;
    irr::core::recti pixels = view.toPixels(target);
    pixels += irr::core::position2di(0, shiftPixelsY);
    if (!clipPixels) {
        pendingQuads().add(driver, texture, pixels, source, colour);
        return;
    }
    pendingQuads().flush();
    const irr::video::SColor colours[4] = {colour, colour, colour, colour};
    driver->draw2DImage(texture, pixels, source, clipPixels, colours, true);
}

void GuiPainter::fillRect(const irr::core::rectf& target, irr::video::SColor colour) const {
    if (!driver)
        return;
    pendingQuads().flush();
    driver->draw2DRectangle(colour, view.toPixels(target));
}

} // namespace Lumo
