#pragma once
// Everything the bakery's rules change: clock, days, money, both ingredient stocks, the story
// flags with the popularity, the goods table and the town's customers.
#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Bakery/Ingredients.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Game/FlagsAndPopularity.h"

#include <memory>
#include <vector>

namespace Lumo {

struct WorldState {
    static constexpr int kLastDay = 13;
    static constexpr int kNoon = 12 * 60;
    static constexpr int kClockStop = 22 * 60;

    std::shared_ptr<CustomerManager> customers = std::make_shared<CustomerManager>();
    GoodsTable goods; // filled at start-up by fillStartingGoods
    int32_t weekday = -1;
    int32_t day = 0;
    int32_t money = 500;
    IngredientRow storeroomStock = {500, 0, 0, 0, 0, 0};
    FlagsAndPopularity flagsAndPopularity;
    int32_t minuteOfDay = 300;
    int32_t clockMs = 0;
    IngredientRow tableStock = {};
    // The days whose letter the postman has brought, in order: the player may read them again.
    std::vector<int32_t> letterDays;
    // The random generator is seeded with it each morning before the day's visits are drawn, so a
    // saved morning replays the same day.
    uint32_t daySeed = 0;
};

} // namespace Lumo
