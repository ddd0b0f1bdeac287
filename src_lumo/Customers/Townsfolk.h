#pragma once
// The people of the town. The list is the same in every game, so a seeded run meets the same
// customers; the merchant is among them and is the regular visitor of odd days.
#include "src_lumo/Customers/Townsman.h"

#include <memory>
#include <vector>

namespace Lumo {

class Townsfolk {
public:
    static constexpr int kPeople = 120;
    static constexpr int kMerchantIndex = 17;

    static std::vector<std::shared_ptr<const Townsman>> create();
};

} // namespace Lumo
