#pragma once
// The shop's fixed places to put things down: three shelves, the counter's two parts, the work
// table and the bin. The oven brings its own field.
#include "src_lumo/Items/ItemDropField.h"

#include <vector>

namespace Lumo {

enum ShopField : size_t {
    FIELD_SHELF_1 = 0,
    FIELD_SHELF_2 = 1,
    FIELD_SHELF_3 = 2,
    FIELD_COUNTER_LEFT = 3,
    FIELD_COUNTER_RIGHT = 4,
    FIELD_TABLE = 5,
    FIELD_WASTE = 6,
    FIELD_OVEN = 7,
    SHOP_FIELD_COUNT = 8,
};

class ShopDropFields {
public:
    // Fields 1 to 7 in the order of ShopField.
    static std::vector<ItemDropFieldPtr> create();
    // The fields whose goods are on display for the customers, in the order they are offered.
    static bool isDisplay(size_t field) { return field <= FIELD_COUNTER_RIGHT; }
};

} // namespace Lumo
