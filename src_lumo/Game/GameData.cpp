#include "src_lumo/Game/GameData.h"

namespace Lumo {

GameData* gGameData = nullptr;

std::wstring gameText(const std::string& identifier) {
    return gGameData ? gGameData->texts.getGameText(identifier) : std::wstring(identifier.begin(), identifier.end());
}

void GameData::startOver() {
    // The town, its paths and the goods it knows at start-up stay; the player's game goes.
    WorldState fresh;
    fresh.customers = world.customers;
    fresh.customers->clearSchedule();
    fresh.goods.fillStartingGoods();
    world = std::move(fresh);
    discovered = {};
}

} // namespace Lumo
