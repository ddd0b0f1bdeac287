#pragma once
// The storeroom shelf: choose what to carry to the work table, as much as one box holds.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/MenuKeys.h"

#include <optional>

namespace Lumo {

class StorageMenue {
public:
    static constexpr int32_t kAnswerTake = 1;
    static constexpr int32_t kAnswerClose = -1;
    static constexpr int kFirstRow = 1;
    static constexpr int kEggRow = 5;
    static constexpr int kTakeRow = 6;
    static constexpr int32_t kStep = 100;
    // A box is full once its weight passes this; the last step may go over it.
    static constexpr int64_t kBoxWeight = 5000;

    explicit StorageMenue(WorldState& world);

    void open();
    int32_t input(const InputRecord& now);
    // Carries out a take: the counts leave the storeroom and come back as the box's contents.
    // Nothing is taken from an empty choice.
    std::optional<IngredientRow> takeIngredients();

    int cursorRow() const { return cursor; }
    const IngredientRow& takeCounts() const { return counts; }
    // What the storeroom keeps after this take ("leftover").
    int32_t leftover(int slot) const { return world.storeroomStock[slot] - counts[slot]; }
    static const char* rowLabelId(int row);

private:
    void changeRow(int direction);

    WorldState& world;
    MenuKeys keys;
    int cursor = kFirstRow;
    IngredientRow counts = {};
};

} // namespace Lumo
