#include "src_lumo/Customers/CustomerQueue.h"

namespace Lumo {

std::shared_ptr<Customer> CustomerQueue::removeFirst() {
    if (customers.empty())
        return nullptr;
    std::shared_ptr<Customer> leaving = customers.front();
    customers.pop_front();
    return leaving;
}

void CustomerQueue::updateSteps(uint32_t elapsedMs) {
    for (const std::shared_ptr<Customer>& customer : customers)
        customer->updateSteps(elapsedMs);
}

bool CustomerQueue::firstRunsOutOfPatience(int32_t minuteOfDay, bool selling) {
    if (customers.empty() || selling)
        return false;
    Customer& waiting = *customers.front();
    if (waiting.isLeaving() || !waiting.hasLostPatience(minuteOfDay))
        return false;
    waiting.markLeaving();
    return true;
}

} // namespace Lumo
