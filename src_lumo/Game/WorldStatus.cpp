#include "src_lumo/Game/WorldStatus.h"

#include "src_lumo/Game/GameData.h"

namespace Lumo {

int WorldStatus::minuteOfDay() const { return gGameData ? gGameData->world.minuteOfDay : 0; }
int WorldStatus::weekDay() const { return gGameData ? gGameData->world.weekday : 0; }
int WorldStatus::day() const { return gGameData ? gGameData->world.day : 0; }
int WorldStatus::money() const { return gGameData ? gGameData->world.money : 0; }

} // namespace Lumo
