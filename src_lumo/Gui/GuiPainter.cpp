#include "src_lumo/Gui/GuiPainter.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"

namespace Lumo {

GuiPainter::GuiPainter(irr::video::IVideoDriver* driver, const InterfaceView& view, bool pixelPrecise)
    : driver(driver), view(view) {
    if (!driver)
        return;
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
    if (driver)
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
    const irr::video::SColor colours[4] = {colour, colour, colour, colour};
    driver->draw2DImage(texture, pixels, source, clipPixels, colours, true);
}

void GuiPainter::fillRect(const irr::core::rectf& target, irr::video::SColor colour) const {
    if (driver)
        driver->draw2DRectangle(colour, view.toPixels(target));
}

} // namespace Lumo
