#include "src_lumo/Game/WorldStatus.h"

#include "src_lumo/Game/GameData.h"

#include <algorithm>

namespace Lumo {

int WorldStatus::minuteOfDay() const { return gGameData ? gGameData->world.minuteOfDay : 0; }
int WorldStatus::weekDay() const { return gGameData ? gGameData->world.weekday : 0; }
int WorldStatus::day() const { return gGameData ? gGameData->world.day : 0; }
int WorldStatus::money() const { return gGameData ? gGameData->world.money : 0; }

bool WorldStatus::hasLetter(int day) const {
    if (!gGameData)
        return false;
    const std::vector<int32_t>& days = gGameData->world.letterDays;
    return std::find(days.begin(), days.end(), day) != days.end();
}

} // namespace Lumo
