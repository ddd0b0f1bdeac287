#include "src_lumo/Shop/DoughMenue.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Bakery/RecipeDiscovery.h"

#include <algorithm>

namespace Lumo {

DoughMenue::DoughMenue(WorldState& world) : world(world) {}

void DoughMenue::open() {
    chosenRecipe = kUnknownGood;
    amounts = world.goods.entry(kUnknownGood).amounts;
    batchCount = 1;
    cursor = kRecipeRow;
    bookIsOpen = false;
    bookCursorColumn = 0;
    bookCursorRow = 0;
    keys.open();
}

int32_t DoughMenue::input(const InputRecord& now) {
    int32_t answer = 0;
    if (!keys.swallowedByLatch(now)) {
        if (bookIsOpen)
            inputWithBookOpen(now);
        else
            answer = inputWithBookClosed(now);
    }
    keys.remember(now);
    return answer;
}

int32_t DoughMenue::inputWithBookClosed(const InputRecord& now) {
    if (keys.xPressed(now))
        return kAnswerClose;
    if (keys.spacePressed(now) && cursor == kRecipeRow) {
        bookIsOpen = true;
        return 0;
    }
    if (now.keySpace && cursor == kCreateRow)
        return tryCreate() ? kAnswerCreate : 0;
    if (now.moveY != 0) {
        cursor = std::clamp(cursor - now.moveY, kRecipeRow, kCreateRow);
        keys.latch();
    } else if (now.moveX != 0) {
        changeRow(now.moveX);
        keys.latch();
    }
    return 0;
}

void DoughMenue::changeRow(int direction) {
    if (freeRecipe() && cursor > kRecipeRow && cursor <= kEggRow) {
        const int slot = cursor - 1;
        const int32_t step = slot == kEgg ? 1 : kFreeAmountStep;
        amounts[slot] = std::max(0, amounts[slot] + direction * step);
    } else if (!freeRecipe() && cursor == kCreateRow) {
        batchCount = std::clamp(batchCount + direction, 1, std::max(1, recipe().maxBatches));
    }
}

void DoughMenue::inputWithBookOpen(const InputRecord& now) {
    if (now.keyX) {
        bookIsOpen = false;
        return;
    }
    if (keys.spacePressed(now)) {
        const int slot = bookSlot();
        if (world.goods.isUnlocked(slot)) {
            chosenRecipe = slot;
            amounts = world.goods.entry(slot).amounts;
            batchCount = 1;
            bookIsOpen = false;
        }
        return;
    }
    if (now.moveY != 0) {
        bookCursorRow = std::clamp(bookCursorRow - now.moveY, 0, kBookRows - 1);
        keys.latch();
    } else if (now.moveX != 0) {
        bookCursorColumn = std::clamp(bookCursorColumn + now.moveX, 0, kBookColumns - 1);
        keys.latch();
    }
}

const char* DoughMenue::createRefusalId() const {
    static const char* const kLacking[kEgg + 1] = {"DOUGH_NO_FLOUR", "DOUGH_NO_BUTTER", "DOUGH_NO_SUGAR",
                                                   "DOUGH_NO_MILK", "DOUGH_NO_EGG"};
    if (ingredientWeight(amounts, batchCount) <= 0)
        return "DOUGH_NO_RECIPE";
    if (const char* tool = missingToolId())
        return tool;
    for (int slot = kFlour; slot <= kEgg; ++slot)
        if (useAmount(slot) > supply(slot))
            return kLacking[slot];
    return nullptr;
}

// Free amounts that only the loaf pan or the piping bag would turn into a good would make a lump
// nobody buys: better to say what is missing before the ingredients are gone.
const char* DoughMenue::missingToolId() const {
    if (!freeRecipe() || RecipeDiscovery::matchKind(amounts, batchCount, world.flagsAndPopularity) != kUnknownGood)
        return nullptr;
    FlagsAndPopularity withTools = world.flagsAndPopularity;
    withTools.setFlag("GOT_BREADBOX", 1.0f);
    withTools.setFlag("GOT_FBAG", 1.0f);
    const int32_t kind = RecipeDiscovery::matchKind(amounts, batchCount, withTools);
    if (kind == kBread)
        return "DOUGH_NO_LOAF_PAN";
    return kind == kBaiser ? "DOUGH_NO_PIPING_BAG" : nullptr;
}

bool DoughMenue::tryCreate() {
    if (createRefusalId() || !stockHolds(world.tableStock, amounts, batchCount))
        return false;
    takeFromStock(world.tableStock, amounts, batchCount);
    return true;
}

Dough DoughMenue::madeDough() const { return Dough::fromRecipe(world.goods, chosenRecipe, amounts, batchCount); }

const char* DoughMenue::rowLabelId(int row) {
    if (row == kRecipeRow)
        return "MENU_RECIPE";
    if (row == kAdditionalRow)
        return "MENU_ADDITIONAL";
    if (row == kCreateRow)
        return "MENU_CREATE";
    return ingredientLabelId(row - 1);
}

} // namespace Lumo
