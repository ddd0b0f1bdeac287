#pragma once
// Draws the dough menu: the recipe, per ingredient what the dough will use beside what lies on
// the table, the recipe's batches and baking time, the create row; or, while it is open, the
// recipe book with a picture for every recipe found so far.
#include "src_lumo/Shop/DoughMenue.h"

namespace Lumo {

class DoughMenueView {
public:
    static void draw(const DoughMenue& menu, const GoodsTable& goods);
    // The table row that shows a menu row: the heads and the recipe facts sit between them.
    static int tableRow(int menuRow);

private:
    static void drawRows(const DoughMenue& menu, const GoodsTable& goods);
    static void drawBook(const DoughMenue& menu, const GoodsTable& goods);
};

} // namespace Lumo
