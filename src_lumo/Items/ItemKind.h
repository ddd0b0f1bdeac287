#pragma once
// What a visual item is. The C key picks up only dough, trays and ingredient boxes.
#include <cstdint>

namespace Lumo {

enum ItemKind : int32_t {
    ITEM_DOUGH = 0,
    ITEM_TRAY = 1,
    ITEM_GOOD = 2,
    ITEM_BOX = 3,
    ITEM_LETTER = 4,
    ITEM_SHELF_THING = 5,
    ITEM_OVEN = 6,
};

} // namespace Lumo
