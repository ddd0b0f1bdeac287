#include "src_lumo/ShopView/MenuCanvas.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <cmath>

namespace Lumo {

MenuCanvas::MenuCanvas() : painter(GuiPainter::forGame()), font(BitmapFont::forGame()) {}

std::wstring MenuCanvas::textOf(const std::string& id) {
    return gGameData ? gGameData->texts.getGameText(id) : std::wstring(id.begin(), id.end());
}

void MenuCanvas::text(const GuiTable& table, int column, int row, const std::wstring& text, unsigned colour) const {
    table.drawCellText(painter, font, column, row, text, irr::video::SColor(colour));
}

void MenuCanvas::noteLine(const std::wstring& text, float top, unsigned colour) const {
    constexpr int kLineHeight = 20;
    const irr::core::dimension2di size = BitmapFont::measure(text, kLineHeight);
    const float width = static_cast<float>(size.Width) + 32.0f;
    const float left = std::floor(320.0f - width / 2.0f);
    painter.fillRect(irr::core::rectf(left, top, left + width, top + static_cast<float>(size.Height) + 10.0f),
                     irr::video::SColor(0xC8000000u));
    font.drawText(painter, text, left + 16.0f, top + 5.0f, irr::video::SColor(colour), kLineHeight);
}

void MenuCanvas::cursor(const GuiTable& table, int row) const {
    const irr::core::recti first = table.cellRect(0, row);
    const float top = static_cast<float>(first.UpperLeftCorner.Y);
    const float bottom = static_cast<float>(first.LowerRightCorner.Y);
    fill(irr::core::rectf(static_cast<float>(table.left), top, static_cast<float>(table.right), bottom), kCursorBar);
    pointerAt(static_cast<float>(table.left) - 30.0f, (top + bottom) / 2.0f);
}

void MenuCanvas::pointerAt(float x, float centreY) const {
    // Bobs sideways like the calendar's pointer, by whole units so it stays crisp.
    const float time = TovarWorks::gDevice ? static_cast<float>(TovarWorks::gDevice->getTime()) : 0.0f;
    const float bob = std::round(3.0f * std::sin(time / 100.0f));
    const float top = std::floor(centreY - 16.0f);
    sheetImage(GuiSheetLayout::kPointer.rect(), irr::core::rectf(x + bob, top, x + bob + 32.0f, top + 32.0f));
}

void MenuCanvas::picture(const FrameRect& frame, float x, float y, unsigned colour) const {
    const irr::core::recti source(frame.left, frame.top, frame.right, frame.bottom);
    painter.drawImage(gGameData ? gGameData->itemsTexture : nullptr, source,
                      irr::core::rectf(x, y, x + static_cast<float>(source.getWidth()),
                                       y + static_cast<float>(source.getHeight())),
                      irr::video::SColor(colour));
}

void MenuCanvas::sheetImage(const irr::core::recti& source, const irr::core::rectf& target) const {
    painter.drawImage(gGameData ? gGameData->guiTexture : nullptr, source, target);
}

void MenuCanvas::fill(const irr::core::rectf& area, unsigned colour) const {
    painter.fillRect(area, irr::video::SColor(colour));
}

} // namespace Lumo
