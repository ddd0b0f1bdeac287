#pragma once
// Serving the customer at the counter: what they are offered from the display, and what a sale
// does to money, popularity and the story.
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Customers/Customer.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Shop/IShopSequences.h"

#include <vector>

namespace Lumo {

class CounterService {
public:
    static constexpr size_t kMostGoodsOffered = 3;

    enum class SaleOutcome { CustomerLeaves, MerchantStays };

    CounterService(WorldState& world, IShopSequences& sequences) : world(world), sequences(sequences) {}

    // Indices into the ready goods on display (in shelf order) that the customer takes. With
    // nothing on display the refusal plays, and the customer is on the way out: the refusal's
    // talk sends them out when it ends.
    std::vector<size_t> chooseOffer(Customer& customer, const std::vector<BakedGood>& readyOnDisplay);
    // The customer pays the asked price; the popularity moves by the sale's gain.
    SaleOutcome pay(Customer& customer, const std::vector<BakedGood>& sold, int32_t askedPrice);

private:
    WorldState& world;
    IShopSequences& sequences;
};

} // namespace Lumo
