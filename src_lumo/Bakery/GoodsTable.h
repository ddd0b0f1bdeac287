#pragma once
// The world's fifteen recipe slots. Start-up fills the first eight; the rest keep their defaults
// and show as empty slots in the recipe book.
#include "src_lumo/Bakery/Recipe.h"

#include <array>

namespace Lumo {

class GoodsTable {
public:
    static constexpr int kSlots = 15;

    GoodsTable();

    // "unknown", "bun", "boule", "bread", "crossaint", "baguette", "baiser", "donut", in this order.
    void fillStartingGoods();

    bool contains(int32_t id) const { return id >= 0 && id < kSlots; }
    // Ids outside the table answer with the "unknown" entry, so no caller reads past the end.
    const Recipe& entry(int32_t id) const;
    bool isUnlocked(int32_t id) const { return contains(id) && slots[id].unlocked; }
    // True only when the recipe was locked until now.
    bool unlock(int32_t id);
    // The game text id of a good's name: "GOOD_" and the name in capitals.
    std::string labelId(int32_t id) const;

private:
    std::array<Recipe, kSlots> slots;
};

} // namespace Lumo
