#pragma once
// A townsperson in the shop: who they are, when they came in, which sprite shows them, and the
// steps of their little script running side by side.
#include "src_lumo/Customers/AiStep.h"
#include "src_lumo/Customers/Townsman.h"

#include <memory>
#include <string>
#include <vector>

namespace Lumo {

class Customer {
public:
    static constexpr int32_t kPatienceMinutes = 30;

    Customer(std::shared_ptr<const Townsman> townsman, int32_t arrivalMinute, std::string spriteName);

    void addStep(AiStepPtr step);
    // A finished step hands over to its successor at the end of the list.
    void updateSteps(uint32_t elapsedMs);

    bool hasLostPatience(int32_t minuteOfDay) const { return minuteOfDay - arrival > kPatienceMinutes; }
    // Once a customer is sent out, neither patience nor a sale sends them out a second time.
    bool isLeaving() const { return leaving; }
    void markLeaving() { leaving = true; }

    const Townsman& townsman() const { return *person; }
    int32_t arrivalMinute() const { return arrival; }
    const std::string& spriteName() const { return sprite; }
    size_t runningSteps() const { return steps.size(); }

private:
    std::shared_ptr<const Townsman> person;
    int32_t arrival;
    std::string sprite;
    std::vector<AiStepPtr> steps;
    bool leaving = false;
};

} // namespace Lumo
