#include "src_lumo/Customers/Townsfolk.h"

#include <random>

namespace Lumo {

namespace {

// Everyone likes bread a bit; each person has a favourite that counts double and one kind they
// hardly care for, so that what the baker puts on display matters.
Townsman makeTownsperson(std::minstd_rand& generator) {
    std::uniform_int_distribution<int> tenths(5, 15);
    std::uniform_int_distribution<int> kinds(kBun, kDonut);
    Townsman person;
    for (int kind = kBun; kind < kGoodKinds; ++kind)
        person.liking[kind] = float(tenths(generator)) / 10.0f;
    person.liking[kinds(generator)] *= 2.0f;
    person.liking[kinds(generator)] = 0.25f;
    return person;
}

// Bruno misses the round loaves of his home.
Townsman makeMerchant() {
    Townsman merchant;
    merchant.type = Townsman::kMerchantType;
    merchant.liking.fill(1.0f);
    merchant.liking[kUnknownGood] = 0.0f;
    merchant.liking[kBoule] = 3.0f;
    return merchant;
}

} // namespace

std::vector<std::shared_ptr<const Townsman>> Townsfolk::create() {
    std::minstd_rand generator(1407u);
    std::vector<std::shared_ptr<const Townsman>> people;
    people.reserve(kPeople);
    for (int index = 0; index < kPeople; ++index) {
        if (index == kMerchantIndex)
            people.push_back(std::make_shared<const Townsman>(makeMerchant()));
        else
            people.push_back(std::make_shared<const Townsman>(makeTownsperson(generator)));
    }
    return people;
}

} // namespace Lumo
