#include "src_lumo/Shop/MerchantMenue.h"

#include "src_lumo/Bakery/Pricing.h"
#include "src_lumo/Shop/ToolShop.h"

#include <algorithm>

namespace Lumo {

MerchantMenue::MerchantMenue(WorldState& world) : world(world) {}

void MerchantMenue::open() {
    currentPage = kTabPage;
    currentTab = 0;
    ingredientCursor = kFirstRow;
    toolCursor = 1;
    orders = {};
    keys.open();
}

int32_t MerchantMenue::input(const InputRecord& now) {
    int32_t answer = 0;
    if (!keys.swallowedByLatch(now)) {
        if (currentPage == kTabPage)
            answer = inputOnTabPage(now);
        else if (currentPage == kIngredientsPage)
            answer = inputOnIngredientsPage(now);
        else
            answer = inputOnToolsPage(now);
    }
    keys.remember(now);
    return answer;
}

int32_t MerchantMenue::inputOnTabPage(const InputRecord& now) {
    if (keys.xPressed(now))
        return kAnswerClose;
    if (keys.spacePressed(now)) {
        currentPage = currentTab == 0 ? kIngredientsPage : kToolsPage;
    } else if (now.moveY != 0) {
        currentTab = now.moveY > 0 ? 0 : 1;
        keys.latch();
    } else if (now.moveX != 0) {
        keys.latch();
    }
    return 0;
}

int32_t MerchantMenue::inputOnIngredientsPage(const InputRecord& now) {
    if (keys.spacePressed(now) && ingredientCursor == kTakeRow)
        return kAnswerBuyIngredients;
    if (keys.xPressed(now))
        return kAnswerClose;
    if (now.moveY != 0) {
        ingredientCursor = std::clamp(ingredientCursor - now.moveY, kFirstRow, kTakeRow);
        keys.latch();
    } else if (now.moveX != 0) {
        if (ingredientCursor <= kEggRow) {
            const int slot = ingredientCursor - 1;
            orders[slot] = std::max(0, orders[slot] + now.moveX * kMerchantSteps[slot]);
        }
        keys.latch();
    }
    return 0;
}

int32_t MerchantMenue::inputOnToolsPage(const InputRecord& now) {
    if (keys.spacePressed(now))
        return kAnswerBuyTool;
    if (keys.xPressed(now))
        return kAnswerClose;
    if (now.moveY != 0) {
        toolCursor = std::clamp(toolCursor - now.moveY, 1, ToolShop::kRows);
        keys.latch();
    } else if (now.moveX != 0) {
        keys.latch();
    }
    return 0;
}

int64_t MerchantMenue::orderPrice() const { return merchantPrice(orders); }

bool MerchantMenue::buyIngredients(IShopSequences& sequences) {
    const int64_t price = orderPrice();
    if (price > world.money)
        return false;
    world.money -= int32_t(price);
    addToStock(world.storeroomStock, orders);
    if (price > 0)
        sequences.merchantThanks();
    return true;
}

bool MerchantMenue::buyTool(IShopSequences& sequences) { return ToolShop::buy(toolCursor, world, sequences); }

} // namespace Lumo
