#include "src_lumo/Shop/ToolShop.h"

#include "src_lumo/Bakery/Pricing.h"

namespace Lumo {

bool ToolShop::isOffered(int row, const FlagsAndPopularity& story) {
    if (row == kLoafPan)
        return !story.isSet("GOT_BREADBOX") && story.isSet("MERC_SELL_BOX");
    if (row == kPipingBag)
        return !story.isSet("GOT_FBAG");
    return false;
}

bool ToolShop::buy(int row, WorldState& world, IShopSequences& sequences) {
    if (!isOffered(row, world.flagsAndPopularity) || world.money < price(row))
        return false;
    world.money -= price(row);
    if (row == kLoafPan) {
        world.flagsAndPopularity.setFlag("GOT_BREADBOX", 1.0f);
        sequences.loafPanThanks();
    } else {
        world.flagsAndPopularity.setFlag("GOT_FBAG", 1.0f);
        sequences.pipingBagThanks();
    }
    return true;
}

int32_t ToolShop::price(int row) {
    if (row == kLoafPan)
        return kLoafPanPrice;
    return row == kPipingBag ? kPipingBagPrice : 0;
}

const char* ToolShop::nameId(int row) {
    if (row == kLoafPan)
        return "MENU_LOAF_PAN";
    return row == kPipingBag ? "MENU_PIPING_BAG" : "";
}

const char* ToolShop::priceId(int row) {
    if (row == kLoafPan)
        return "MENU_LOAF_PAN_PRICE";
    return row == kPipingBag ? "MENU_PIPING_BAG_PRICE" : "";
}

} // namespace Lumo
