#include "src_lumo/Customers/CustomerManager.h"

#include "src_lumo/Customers/AiTalk.h"
#include "src_lumo/Customers/AiWait.h"
#include "src_lumo/Customers/Townsfolk.h"
#include "src_lumo/Game/RandomBelow.h"

#include <algorithm>

namespace Lumo {

const char* const CustomerManager::kSprites[6] = {"male1", "male3", "female1", "female2", "soldier", "tovar"};
const char* const CustomerManager::kGreetingIds[5] = {"CUS_HELLO_1", "CUS_HELLO_2", "CUS_HELLO_3", "CUS_HELLO_4",
                                                      "CUS_HELLO_5"};

CustomerManager::CustomerManager()
    : people(Townsfolk::create()), regularVisitor(Townsfolk::kMerchantIndex), paths(std::make_shared<PathFinder>()) {}

bool CustomerManager::loadPathGraph(const std::string& fileName) { return paths->loadGraph(fileName); }

void CustomerManager::buildDailySchedule(float popularity, int32_t day) {
    today.clear();
    const int32_t visits = popularity > 0.0f ? int32_t(popularity) : 0;
    std::vector<int32_t> minutes;
    for (int32_t i = 0; i < visits / 2; ++i) {
        const int32_t r = randomBelow(121);
        minutes.push_back(r < 60 ? 480 + r : 660 + r);
    }
    for (int32_t i = 0; i < visits; ++i)
        minutes.push_back(480 + randomBelow(361));

    const int32_t townSize = int32_t(people.size());
    for (size_t i = 0; i < minutes.size(); ++i) {
        int32_t index = randomBelow(100);
        if (day % 2 == 1 && i == 0)
            index = regularVisitor;
        today.push_back({people[size_t(std::min(index, townSize - 1))], minutes[i]});
    }
}

std::vector<DailyCustomer> CustomerManager::takeDueVisits(int32_t minuteOfDay) {
    std::vector<DailyCustomer> due;
    auto notDue = [minuteOfDay](const DailyCustomer& visit) { return visit.minute != minuteOfDay; };
    const auto firstDue = std::stable_partition(today.begin(), today.end(), notDue);
    due.assign(firstDue, today.end());
    today.erase(firstDue, today.end());
    return due;
}

std::shared_ptr<Customer> CustomerManager::spawn(const DailyCustomer& visit, int32_t minuteOfDay,
                                                 const CharacterMaker& makeCharacter) const {
    std::string sprite = kSprites[randomBelow(6)];
    if (visit.townsman->isMerchant())
        sprite = "merchant";
    auto customer = std::make_shared<Customer>(visit.townsman, minuteOfDay, sprite);
    std::shared_ptr<CustomerCharacter> character = makeCharacter ? makeCharacter(sprite) : nullptr;

    auto wait = std::make_shared<AiWait>(kGreetingWaitMs);
    wait->successor = std::make_shared<AiTalk>(character, kGreetingIds[randomBelow(5)], kGreetingBubbleValue);
    customer->addStep(wait);
    return customer;
}

} // namespace Lumo
