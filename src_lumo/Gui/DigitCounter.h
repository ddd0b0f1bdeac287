#pragma once
// The rolling money counter: moves its shown value one unit per frame towards the target and
// rolls its digit wheels to match, like a mechanical till.
#include "src_lumo/Gui/VisualDigit.h"

#include <memory>

namespace Lumo {

class DigitCounter : public GuiElement {
public:
    DigitCounter(int digitCount, wchar_t sign = L' ');

    // One counting step towards the target, then the wheels roll by the frame's milliseconds.
    void stepTowards(int target, uint32_t deltaMillis);
    // The counter's step with the device's frame time, then drawing.
    void drawTowards(int target);
    void draw() override;

    // The box the counter draws in and is clipped to, in pixels. Below full size (x scale under 1)
    // it moves down 14 pixels and reaches 40 further down, as it always has.
    static irr::core::recti box(const InterfaceView& view);
    // Where the glyph so many cells from the box's left edge stands, in interface units.
    static irr::core::rectf cell(const InterfaceView& view, int column);

    int getShownValue() const { return shownValue; }
    int getDigitCount() const { return digitCount; }
    const VisualDigit& lowestDigit() const { return *lowest; }

private:
    std::unique_ptr<VisualDigit> lowest;
    int shownValue = 0;
    int digitCount;
    wchar_t sign;
};

} // namespace Lumo
