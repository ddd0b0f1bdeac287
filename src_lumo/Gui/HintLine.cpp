#include "src_lumo/Gui/HintLine.h"

#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiPainter.h"

#include <cmath>

namespace Lumo {

namespace {
constexpr unsigned kStrip = 0xA0000000;
constexpr unsigned kText = 0xFFFFE6B4; // warm white, softer than the clock
constexpr float kPadding = 6.0f;
constexpr float kGlyphInk = 13.0f; // the drawn part of a cell ends here
} // namespace

std::wstring HintLine::join(const std::vector<std::wstring>& hints) {
    std::wstring line;
    for (const std::wstring& hint : hints)
        line += (line.empty() ? L"" : L"  ") + hint;
    return line;
}

float HintLine::width(const std::wstring& line) {
    return line.empty() ? 0.0f : kPitch * static_cast<float>(line.size() - 1) + kGlyphInk;
}

void HintLine::draw(const std::vector<std::wstring>& hints) {
    const std::wstring line = join(hints);
    if (line.empty())
        return;
    const float inked = width(line);
    const float left = std::floor(320.0f - inked / 2.0f);
    const GuiPainter painter = GuiPainter::forGame();
    painter.fillRect(irr::core::rectf(left + 3 - kPadding, kTop - 2, left + inked + kPadding, kTop + BitmapFont::kCell + 1),
                     irr::video::SColor(kStrip));
    BitmapFont::forGame().drawTight(painter, line, left, kTop, irr::video::SColor(kText), kPitch);
}

} // namespace Lumo
