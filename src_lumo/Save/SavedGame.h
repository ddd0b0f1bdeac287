#pragma once
// Everything of a game that survives a night, as the morning save holds it. The customer schedule
// and the postman are not in it: the new-day rule rebuilds them from the day's seed.
#include "src_lumo/Bakery/Ingredients.h"

#include <irrlicht.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Lumo {

// An ingredient box the baker left in the bakery (the night clears trays, goods and dough).
struct SavedBox {
    irr::core::vector3df position;
    IngredientRow contents = {};

    bool operator==(const SavedBox& other) const { return position == other.position && contents == other.contents; }
};

struct SavedGame {
    int32_t day = 1;
    int32_t weekday = 0;
    int32_t money = 0;
    float popularity = 0.0f;
    int32_t clockMs = 0;
    uint32_t daySeed = 0;
    IngredientRow storeroomStock = {};
    IngredientRow tableStock = {};
    std::map<std::string, float> flags;
    std::vector<int32_t> unlockedRecipes;
    std::vector<int32_t> discoveredGoods;
    std::vector<int32_t> letterDays;
    irr::core::vector3df heroPosition;
    int32_t heroFacing = 0;
    std::vector<SavedBox> boxes;

    bool operator==(const SavedGame& other) const;
};

} // namespace Lumo
