#pragma once
// Draws the sell menu: the goods the customer takes, each with its picture and fair price (a
// burnt one says it is worth nothing), the price asked beside the fair one, and the keys.
#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Shop/SellMenue.h"

namespace Lumo {

class SellMenueView {
public:
    static void draw(const SellMenue& menu, const GoodsTable& goods);
};

} // namespace Lumo
