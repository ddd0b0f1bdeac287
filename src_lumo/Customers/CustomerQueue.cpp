#include "src_lumo/Customers/CustomerQueue.h"

namespace Lumo {

void CustomerQueue::add(QueuedCustomer entry) {
    if (entry.customer)
        entries.push_back(std::move(entry));
}

Customer* CustomerQueue::waitingAtCounter() const {
    if (entries.empty() || entries.front().customer->isLeaving())
        return nullptr;
    return entries.front().customer.get();
}

std::optional<QueuedCustomer> CustomerQueue::removeFirst() {
    if (entries.empty())
        return std::nullopt;
    QueuedCustomer leaving = entries.front();
    entries.pop_front();
    return leaving;
}

bool CustomerQueue::firstRunsOutOfPatience(int32_t minuteOfDay, bool selling) {
    Customer* waiting = selling ? nullptr : waitingAtCounter();
    if (!waiting || !waiting->hasLostPatience(minuteOfDay))
        return false;
    waiting->markLeaving();
    return true;
}

} // namespace Lumo
