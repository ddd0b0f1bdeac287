#include "tools/sprites/ItemSheet.h"

#include "tools/sprites/GoodsPainter.h"

#include <string>

namespace SpriteArt {
namespace {

struct GoodColumn {
    Good good;
    const char* prefix;
    int x;
};

// x of each good in the sheet; the baguette is the one 64 pixels wide.
const GoodColumn kGoods[] = {
    {Good::Bun, "item_bun_", 0},          {Good::Bread, "item_bread_", 32},
    {Good::Boule, "item_bigbun_", 64},    {Good::Croissant, "item_crossaint_", 96},
    {Good::Baguette, "item_baguette_", 128}, {Good::Baiser, "item_baiser_", 192},
    {Good::Donut, "item_donut_", 224},
};

// The raw baiser and donut are named with a double underscore; the game asks for them so.
std::string frameName(const GoodColumn& column, int stage)
{
    std::string name = column.prefix + std::to_string(stage);
    if (stage == 1 && (column.good == Good::Baiser || column.good == Good::Donut))
        name.insert(5, "_");
    return name;
}

} // namespace

FramedSheet ItemSheet::build()
{
    FramedSheet sheet("items", "items.png", 256, 256, rgb(84, 52, 28));
    for (int size = 1; size <= 7; ++size)
        sheet.place("item_dough_" + std::to_string(size), GoodsPainter::dough(size), (size - 1) * 32, 0);
    sheet.place("item_unknown", GoodsPainter::unknownRecipe(), 94, 32);
    for (const GoodColumn& column : kGoods)
        for (int stage = 1; stage <= GoodsPainter::kStages; ++stage)
            sheet.place(frameName(column, stage), GoodsPainter::good(column.good, stage), column.x, 32 + 32 * stage);
    sheet.place("item_zwieback_2", GoodsPainter::zwieback(), 0, 192);
    sheet.place("item_melonpan_2", GoodsPainter::melonpan(), 32, 192);
    sheet.place("item_box", GoodsPainter::box(), 64, 192);
    sheet.place("item_letter", GoodsPainter::letter(), 96, 192);
    return sheet;
}

} // namespace SpriteArt
