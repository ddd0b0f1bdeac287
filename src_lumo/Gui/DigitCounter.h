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
