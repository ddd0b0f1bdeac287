#pragma once
// The work table's dough menu and its recipe book: choose a recipe or set free amounts, pick the
// batch count, and make the dough from what lies on the table.
#include "src_lumo/Bakery/Dough.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/MenuKeys.h"

namespace Lumo {

class DoughMenue {
public:
    static constexpr int32_t kAnswerCreate = 1;
    static constexpr int32_t kAnswerClose = -1;
    static constexpr int kRecipeRow = 0;
    static constexpr int kEggRow = 5;
    static constexpr int kAdditionalRow = 6;
    static constexpr int kCreateRow = 7;
    static constexpr int kBookColumns = 5;
    static constexpr int kBookRows = 3;
    static constexpr int32_t kFreeAmountStep = 10;

    explicit DoughMenue(WorldState& world);

    void open();
    // 1 when the dough was made (its ingredients are already off the table), -1 to close, else 0.
    int32_t input(const InputRecord& now);
    // The dough the last create made.
    Dough madeDough() const;

    int32_t recipeId() const { return chosenRecipe; }
    const Recipe& recipe() const { return world.goods.entry(chosenRecipe); }
    const IngredientRow& perBatch() const { return amounts; }
    int32_t batches() const { return batchCount; }
    int cursorRow() const { return cursor; }
    bool bookOpen() const { return bookIsOpen; }
    int bookColumn() const { return bookCursorColumn; }
    int bookRow() const { return bookCursorRow; }
    int bookSlot() const { return bookCursorColumn + kBookColumns * bookCursorRow; }
    int64_t useAmount(int slot) const { return int64_t(amounts[slot]) * batchCount; }
    int32_t supply(int slot) const { return world.tableStock[slot]; }
    // The game text id of why create cannot make the dough now: no amounts, a tool the amounts
    // need, or too little of an ingredient on the table. Null when it can.
    const char* createRefusalId() const;
    // The label of a menu row: "MENU_RECIPE", the ingredients, "MENU_ADDITIONAL", "MENU_CREATE".
    static const char* rowLabelId(int row);

private:
    int32_t inputWithBookClosed(const InputRecord& now);
    void inputWithBookOpen(const InputRecord& now);
    bool tryCreate();
    const char* missingToolId() const;
    void changeRow(int direction);
    bool freeRecipe() const { return chosenRecipe == kUnknownGood; }

    WorldState& world;
    MenuKeys keys;
    int32_t chosenRecipe = 0;
    IngredientRow amounts = {};
    int32_t batchCount = 1;
    int cursor = 0;
    bool bookIsOpen = false;
    int bookCursorColumn = 0;
    int bookCursorRow = 0;
};

} // namespace Lumo
