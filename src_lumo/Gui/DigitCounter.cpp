#include "src_lumo/Gui/DigitCounter.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

namespace {
const irr::core::rectf kBox(8, 14, 110, 40);
constexpr float kDigitsY = 20.0f - 14.0f; // below the box's top, level with the clock at full size
constexpr irr::s32 kRightExtension = 200; // the sign sits past the box's right edge
constexpr irr::s32 kSmallTopShift = 14;
constexpr irr::s32 kSmallBottomShift = 40;
} // namespace

irr::core::recti DigitCounter::box(const InterfaceView& view) {
    irr::core::recti area = view.toPixels(kBox);
    area.LowerRightCorner.X += kRightExtension;
    if (view.scaleX < 1.0f) {
        area.UpperLeftCorner.Y += kSmallTopShift;
        area.LowerRightCorner.Y += kSmallBottomShift;
    }
    return area;
}

irr::core::rectf DigitCounter::cell(const InterfaceView& view, int column) {
    // Text is placed from the box's corner, so it moves down with the box.
    const float shift = view.scaleX < 1.0f ? kSmallTopShift / view.scaleY : 0.0f;
    const float left = kBox.UpperLeftCorner.X + column * BitmapFont::kCell;
    const float top = kBox.UpperLeftCorner.Y + kDigitsY + shift;
    return {left, top, left + BitmapFont::kCell, top + BitmapFont::kCell};
}

DigitCounter::DigitCounter(int digitCount, wchar_t sign) : digitCount(digitCount), sign(sign) {
    std::unique_ptr<VisualDigit> chain;
    for (int rank = digitCount - 1; rank >= 0; --rank)
        chain = std::make_unique<VisualDigit>(rank, std::move(chain));
    lowest = std::move(chain);
}

void DigitCounter::stepTowards(int target, uint32_t deltaMillis) {
    if (shownValue < target) {
        ++shownValue;
        if (lowest)
            lowest->stepUp();
    } else if (shownValue > target) {
        --shownValue;
        if (lowest)
            lowest->stepDown();
    }
    if (lowest)
        lowest->update(static_cast<float>(deltaMillis));
}

void DigitCounter::drawTowards(int target) {
    stepTowards(target, TovarWorks::gDevice ? TovarWorks::gDevice->getFrameDelta() : 0);
    draw();
}

void DigitCounter::draw() {
    if (!visible)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    const BitmapFont font = BitmapFont::forGame();
    const InterfaceView& view = painter.getView();
    const irr::core::recti clip = box(view);
    if (sign != L' ') {
        const irr::core::rectf at = cell(view, digitCount + 1);
        font.drawGlyph(painter, sign, at.UpperLeftCorner.X, at.UpperLeftCorner.Y, irr::video::SColor(0xFFFFFFFF), 0,
                       &clip);
    }
    int index = 0;
    for (const VisualDigit* digit = lowest.get(); digit; digit = digit->getHigher(), ++index) {
        const irr::core::rectf at = cell(view, digitCount - index);
        digit->drawAt(painter, font, at.UpperLeftCorner.X, at.UpperLeftCorner.Y, clip);
    }
}

} // namespace Lumo
