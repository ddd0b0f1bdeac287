#pragma once
// What the HUD and the calendar show of the running game. The world state answers these; the
// widgets only read them, once per frame.
namespace Lumo {

class GameStatus {
public:
    virtual ~GameStatus() = default;
    virtual int minuteOfDay() const = 0; // minutes since midnight
    virtual int weekDay() const = 0;     // 0 = first box of the strip
    virtual int day() const = 0;         // 1-28
    virtual int money() const = 0;
    // Whether that day's letter has come, so it can be read again.
    virtual bool hasLetter(int) const { return false; }
};

} // namespace Lumo
