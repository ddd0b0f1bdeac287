#include "src_lumo/Gui/VisualDigit.h"

#include <cstdlib>

namespace Lumo {

VisualDigit::VisualDigit(int rank, std::unique_ptr<VisualDigit> higher)
    : stepTime(10.0f + 10.0f * rank), higher(std::move(higher)) {}

void VisualDigit::update(float deltaMillis) {
    const float slowdown = std::abs(pending) == 1 ? 10.0f : 1.0f;
    const float step = deltaMillis / (stepTime * slowdown);
    if (pending > 0)
        phase += step;
    else if (pending < 0)
        phase -= step;

    if (phase >= 1.0f) {
        phase = 0.0f;
        --pending;
        if (++digit == 10) {
            digit = 0;
            if (higher)
                higher->stepUp();
        }
    } else if (phase <= -1.0f) {
        phase = 0.0f;
        ++pending;
        if (--digit < 0) {
            digit = 9;
            if (higher)
                higher->stepDown();
        }
    }
    if (higher)
        higher->update(deltaMillis);
}

void VisualDigit::drawAt(const GuiPainter& painter, const BitmapFont& font, float x, float y,
                         const irr::core::recti& clipPixels) const {
    const irr::video::SColor white(0xFFFFFFFF);
    const float cell = BitmapFont::kCell;
    // Rolling up the next digit comes in from below, rolling down the previous one from above.
    const float offset = -phase * cell;
    font.drawGlyph(painter, static_cast<wchar_t>(L'0' + digit), x, y + offset, white, 0, &clipPixels);
    if (phase > 0.0f)
        font.drawGlyph(painter, static_cast<wchar_t>(L'0' + (digit + 1) % 10), x, y + offset + cell, white, 0,
                       &clipPixels);
    else if (phase < 0.0f)
        font.drawGlyph(painter, static_cast<wchar_t>(L'0' + (digit + 9) % 10), x, y + offset - cell, white, 0,
                       &clipPixels);
}

} // namespace Lumo
