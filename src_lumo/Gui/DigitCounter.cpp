#include "src_lumo/Gui/DigitCounter.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

namespace {
const irr::core::rectf kBox(8, 14, 110, 40);
constexpr float kDigitsY = 20.0f - 14.0f; // below the box's top, level with the clock
constexpr irr::s32 kRightExtension = 200; // the sign sits past the box's right edge
} // namespace

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
    irr::core::recti clip = painter.getView().toPixels(kBox);
    clip.LowerRightCorner.X += kRightExtension;
    const float left = kBox.UpperLeftCorner.X;
    const float top = kBox.UpperLeftCorner.Y + kDigitsY;
    if (sign != L' ')
        font.drawGlyph(painter, sign, left + (digitCount + 1) * BitmapFont::kCell, top, irr::video::SColor(0xFFFFFFFF),
                       0, &clip);
    int index = 0;
    for (const VisualDigit* digit = lowest.get(); digit; digit = digit->getHigher(), ++index)
        digit->drawAt(painter, font, left + (digitCount - index) * BitmapFont::kCell, top, clip);
}

} // namespace Lumo
