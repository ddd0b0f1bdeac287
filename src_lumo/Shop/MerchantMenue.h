#pragma once
// The merchant's stall: a tab choice, then either an ingredient order priced in his units or
// one of his tools.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/IShopSequences.h"
#include "src_lumo/Shop/MenuKeys.h"

namespace Lumo {

class MerchantMenue {
public:
    static constexpr int32_t kAnswerBuyIngredients = 1;
    static constexpr int32_t kAnswerBuyTool = 2;
    static constexpr int32_t kAnswerClose = -1;
    static constexpr int kTabPage = 0;
    static constexpr int kIngredientsPage = 1;
    static constexpr int kToolsPage = 2;
    static constexpr int kFirstRow = 1;
    static constexpr int kEggRow = 5;
    static constexpr int kTakeRow = 6;

    explicit MerchantMenue(WorldState& world);

    void open();
    int32_t input(const InputRecord& now);
    // Pays for the order and fills the storeroom; false (and nothing changed) when the money
    // does not reach. The caller closes the menu on true.
    bool buyIngredients(IShopSequences& sequences);
    // Buys the tool under the cursor; false when it is not offered or too dear.
    bool buyTool(IShopSequences& sequences);

    int page() const { return currentPage; }
    int tab() const { return currentTab; }
    int ingredientRow() const { return ingredientCursor; }
    int toolRow() const { return toolCursor; }
    const IngredientRow& orderCounts() const { return orders; }
    int64_t orderPrice() const;
    static const char* tabLabelId(int tab) { return tab == 0 ? "MENU_INGREDIENTS" : "MENU_STUFF"; }

private:
    int32_t inputOnTabPage(const InputRecord& now);
    int32_t inputOnIngredientsPage(const InputRecord& now);
    int32_t inputOnToolsPage(const InputRecord& now);

    WorldState& world;
    MenuKeys keys;
    int currentPage = kTabPage;
    int currentTab = 0;
    int ingredientCursor = kFirstRow;
    int toolCursor = 1;
    IngredientRow orders = {};
};

} // namespace Lumo
