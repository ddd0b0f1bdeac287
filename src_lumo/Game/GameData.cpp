#include "src_lumo/Game/GameData.h"

namespace Lumo {

GameData* gGameData = nullptr;

} // namespace Lumo
