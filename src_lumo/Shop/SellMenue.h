#pragma once
// Pricing the goods a customer takes: start at the fair price, move it by arrows or type it.
// There is no cancel; the sale ends only by selling.
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/MenuKeys.h"

#include <irrlicht.h>

#include <vector>

namespace Lumo {

class SellMenue {
public:
    static constexpr int32_t kAnswerSell = 1;
    static constexpr int32_t kHighestPrice = 9999;

    void open(std::vector<BakedGood> offered);
    int32_t input(const InputRecord& now);
    // A released key while the menu is up: digits append, backspace removes the last digit.
    // True when the key was the menu's.
    bool keyReleased(irr::EKEY_CODE key);

    const std::vector<BakedGood>& offeredGoods() const { return goods; }
    int32_t askedPrice() const { return asked; }
    int32_t referencePrice() const { return reference; }
    // The fair price of one offered good; a burnt one is worth nothing.
    int32_t fairPriceOf(size_t index) const;
    bool isBurnt(size_t index) const;
    static const char* titleId() { return "MENU_PRICING"; }

private:
    MenuKeys keys;
    std::vector<BakedGood> goods;
    int32_t asked = 0;
    int32_t reference = 0;
};

} // namespace Lumo
