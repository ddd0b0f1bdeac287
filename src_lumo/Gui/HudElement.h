#pragma once
// The strip across the top of the screen: the week days with today marked, which of the thirteen
// days it is, the clock and the rolling money counter.
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
    // "day 9/13": the game text of "day" and the day of the thirteen.
    static std::wstring dayText(int day);
    std::wstring dayLine() const { return dayText(status->day()); }
    // Green during opening hours (08:00 to 14:59), white otherwise.
    static irr::video::SColor clockColour(int minuteOfDay);
    // The interface rectangle of week day i's box.
    static irr::core::rectf dayBoxArea(int weekDay);
    // The strip's wood is opaque: nothing drawn beneath this interface rectangle shows.
    static irr::core::rectf opaqueArea();

    DigitCounter& getMoneyCounter() { return moneyCounter; }

private:
    const GameStatus* status;
    DigitCounter moneyCounter;
};

} // namespace Lumo
