#pragma once
// The strip across the top of the screen: the week days with today marked, the clock and the
// rolling money counter.
#include "src_lumo/Gui/DigitCounter.h"
#include "src_lumo/Gui/GameStatus.h"

#include <string>

namespace Lumo {

class HudElement : public GuiElement {
public:
    explicit HudElement(const GameStatus& status);

    void draw() override;

    // "hh:mm" of a minute of the day.
    static std::wstring clockText(int minuteOfDay);
    // Green during opening hours (08:00 to 14:59), white otherwise.
    static irr::video::SColor clockColour(int minuteOfDay);
    // The interface rectangle of week day i's box.
    static irr::core::rectf dayBoxArea(int weekDay);

    const DigitCounter& getMoneyCounter() const { return moneyCounter; }

private:
    const GameStatus* status;
    DigitCounter moneyCounter;
};

} // namespace Lumo
