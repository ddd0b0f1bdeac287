#pragma once
// The town and its daily visits: who lives there, who comes today and when, and the waypoint
// graph the visitors walk along.
#include "src_lumo/Customers/Customer.h"
#include "src_lumo/Customers/CustomerCharacter.h"
#include "src_lumo/Customers/DailyCustomer.h"
#include "src_lumo/World/PathFinder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Lumo {

class CustomerManager {
public:
    // Builds the character of a sprite on stage for a new customer.
    using CharacterMaker = std::function<std::shared_ptr<CustomerCharacter>(const std::string& spriteName)>;

    static constexpr int32_t kGreetingWaitMs = 4000;
    static constexpr float kGreetingBubbleValue = 40.0f;

    CustomerManager();

    bool loadPathGraph(const std::string& fileName);
    const std::shared_ptr<PathFinder>& pathFinder() const { return paths; }

    const std::vector<std::shared_ptr<const Townsman>>& townsfolk() const { return people; }
    int32_t regularVisitorIndex() const { return regularVisitor; }

    // From the popularity: n / 2 morning or lunchtime visits, then n visits from 08:00 to 14:00.
    void buildDailySchedule(float popularity, int32_t day);
    const std::vector<DailyCustomer>& schedule() const { return today; }
    void clearSchedule() { today.clear(); }
    // Takes every visit due at this minute out of the schedule.
    std::vector<DailyCustomer> takeDueVisits(int32_t minuteOfDay);

    // Chooses a sprite, lets the visual build the character, and gives the newcomer a pause and
    // a greeting.
    std::shared_ptr<Customer> spawn(const DailyCustomer& visit, int32_t minuteOfDay,
                                    const CharacterMaker& makeCharacter) const;

    static const char* const kSprites[6];
    static const char* const kGreetingIds[5];

private:
    std::vector<std::shared_ptr<const Townsman>> people;
    int32_t regularVisitor;
    std::vector<DailyCustomer> today;
    std::shared_ptr<PathFinder> paths;
};

} // namespace Lumo
