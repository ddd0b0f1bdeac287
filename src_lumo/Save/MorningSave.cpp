#include "src_lumo/Save/MorningSave.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <cstdlib>

namespace Lumo {

namespace {

constexpr int32_t kMorningMinute = 6 * 60;
const char* const kHero = "hero";

BakeryItems* bakeryOf(const LumoVisual& visual) {
    auto* shop = dynamic_cast<ShopItemWorld*>(visual.getItemWorld());
    return shop ? &shop->bakery() : nullptr;
}

} // namespace

SavedGame MorningSave::capture(const GameData& data, const LumoVisual& visual) {
    const WorldState& world = data.world;
    SavedGame game;
    game.day = world.day;
    game.weekday = world.weekday;
    game.money = world.money;
    game.popularity = world.flagsAndPopularity.popularity;
    game.clockMs = world.clockMs;
    game.daySeed = world.daySeed;
    game.storeroomStock = world.storeroomStock;
    game.tableStock = world.tableStock;
    game.flags = world.flagsAndPopularity.flags;
    for (int32_t id = 0; id < GoodsTable::kSlots; ++id)
        if (world.goods.isUnlocked(id))
            game.unlockedRecipes.push_back(id);
    for (size_t kind = 0; kind < data.discovered.size(); ++kind)
        if (data.discovered[kind])
            game.discoveredGoods.push_back(static_cast<int32_t>(kind));
    game.letterDays = world.letterDays;
    if (const std::shared_ptr<CharNode> hero = visual.getHero()) {
        game.heroPosition = hero->getNode()->getPosition();
        game.heroFacing = hero->getFacing() & 3;
    }
    if (const BakeryItems* bakery = bakeryOf(visual))
        for (const VisualItemPtr& item : bakery->getItems())
            if (const auto box = std::dynamic_pointer_cast<VisualItemBox>(item))
                game.boxes.push_back({box->getPosition(), box->getContents()});
    return game;
}

void MorningSave::restore(const SavedGame& game, GameData& data, LumoVisual& visual) {
    WorldState& world = data.world;
    world.day = game.day;
    world.weekday = game.weekday;
    world.money = game.money;
    world.flagsAndPopularity.popularity = game.popularity;
    world.flagsAndPopularity.flags = game.flags;
    world.minuteOfDay = kMorningMinute;
    world.clockMs = game.clockMs;
    world.daySeed = game.daySeed;
    world.storeroomStock = game.storeroomStock;
    world.tableStock = game.tableStock;
    for (const int32_t id : game.unlockedRecipes)
        world.goods.unlock(id);
    data.discovered = {};
    for (const int32_t kind : game.discoveredGoods)
        data.discovered.at(static_cast<size_t>(kind)) = true;
    world.letterDays = game.letterDays;
    // As the morning drew them: the same seed, the same popularity, the same visits.
    std::srand(world.daySeed);
    world.customers->buildDailySchedule(world.flagsAndPopularity.popularity, world.day);

    if (BakeryItems* bakery = bakeryOf(visual))
        for (const SavedBox& box : game.boxes)
            bakery->putBoxBack(box.contents, box.position);
    TovarWorks::EventManager& events = *TovarWorks::gDevice->getEventManager();
    events.Trigger(TeleportCharacterEvent(kHero, game.heroPosition));
    events.Trigger(ChangeFaceDirEvent(kHero, game.heroFacing));
}

} // namespace Lumo
