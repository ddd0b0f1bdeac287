#pragma once
// The running game as the HUD and the calendar read it, straight from the world state.
#include "src_lumo/Gui/GameStatus.h"

namespace Lumo {

class WorldStatus : public GameStatus {
public:
    int minuteOfDay() const override;
    int weekDay() const override;
    int day() const override;
    int money() const override;
    bool hasLetter(int day) const override;
};

} // namespace Lumo
