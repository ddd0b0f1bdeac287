#include "src_lumo/Customers/Customer.h"

namespace Lumo {

Customer::Customer(std::shared_ptr<const Townsman> townsman, int32_t arrivalMinute, std::string spriteName)
    : person(std::move(townsman)), arrival(arrivalMinute), sprite(std::move(spriteName)) {}

void Customer::addStep(AiStepPtr step) {
    if (step)
        steps.push_back(std::move(step));
}

void Customer::updateSteps(uint32_t elapsedMs) {
    size_t index = 0;
    while (index < steps.size()) {
        const AiStepPtr step = steps[index];
        step->update(elapsedMs);
        if (!step->isDone()) {
            ++index;
            continue;
        }
        if (step->successor)
            steps.push_back(step->successor);
        steps.erase(steps.begin() + long(index));
    }
}

} // namespace Lumo
