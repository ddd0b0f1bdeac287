#include "src_lumo/Shop/SellMenue.h"

#include "src_lumo/Bakery/Pricing.h"

#include <algorithm>

namespace Lumo {

namespace {
constexpr int32_t kBurntStage = 4;
}

void SellMenue::open(std::vector<BakedGood> offered) {
    goods = std::move(offered);
    reference = Lumo::referencePrice(goods);
    asked = reference;
    keys.open();
}

int32_t SellMenue::input(const InputRecord& now) {
    int32_t answer = 0;
    if (keys.spacePressed(now)) {
        answer = kAnswerSell;
    } else {
        const int horizontal = keys.newMoveX(now);
        const int vertical = keys.newMoveY(now);
        asked = std::max(0, asked + 5 * horizontal + 100 * vertical);
    }
    asked = std::min({asked, kHighestPrice, 2 * reference});
    keys.remember(now);
    return answer;
}

int32_t SellMenue::fairPriceOf(size_t index) const {
    return index < goods.size() ? Lumo::referencePrice({goods[index]}) : 0;
}

bool SellMenue::isBurnt(size_t index) const { return index < goods.size() && goods[index].stage >= kBurntStage; }

bool SellMenue::keyReleased(irr::EKEY_CODE key) {
    if (key >= irr::KEY_KEY_0 && key <= irr::KEY_KEY_9) {
        asked = std::min(asked * 10 + (key - irr::KEY_KEY_0), kHighestPrice);
        return true;
    }
    if (key == irr::KEY_BACK) {
        asked /= 10;
        return true;
    }
    return false;
}

} // namespace Lumo
