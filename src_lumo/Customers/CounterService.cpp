#include "src_lumo/Customers/CounterService.h"

#include "src_lumo/Bakery/Pricing.h"
#include "src_lumo/Game/RandomBelow.h"

#include <algorithm>
#include <iostream>

namespace Lumo {

std::vector<size_t> CounterService::chooseOffer(Customer& customer, const std::vector<BakedGood>& readyOnDisplay) {
    if (readyOnDisplay.empty()) {
        customer.markLeaving();
        sequences.customerRefused();
        return {};
    }
    // Customers want one to three goods, so each sale asks for a fresh price instead of the
    // same three-bun routine, and a single good left on the shelf still finds a buyer.
    const size_t available = std::min(readyOnDisplay.size(), kMostGoodsOffered);
    const size_t wanted = 1 + size_t(randomBelow(int32_t(available)));
    std::vector<size_t> offer(wanted);
    for (size_t i = 0; i < wanted; ++i)
        offer[i] = i;
    return offer;
}

CounterService::SaleOutcome CounterService::pay(Customer& customer, const std::vector<BakedGood>& sold,
                                                int32_t askedPrice) {
    world.money += askedPrice;
    const float gain = popularityGain(sold, customer.townsman(), askedPrice, referencePrice(sold));
    std::clog << "add popularity:" << gain << '\n';
    world.flagsAndPopularity.popularity += gain;

    FlagsAndPopularity& story = world.flagsAndPopularity;
    const bool boule = std::any_of(sold.begin(), sold.end(), [](const BakedGood& good) { return good.kind == kBoule; });
    if (customer.townsman().isMerchant() && !story.isSet("MERC_HEUREKA") && boule) {
        story.setFlag("MERC_HEUREKA", 1.0f);
        sequences.merchantTastedBoule();
        return SaleOutcome::MerchantStays;
    }
    customer.markLeaving();
    return SaleOutcome::CustomerLeaves;
}

} // namespace Lumo
