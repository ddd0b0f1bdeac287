#pragma once
// The customers in the shop in the order they came; the first one stands at the counter.
#include "src_lumo/Customers/Customer.h"

#include <deque>
#include <memory>

namespace Lumo {

class CustomerQueue {
public:
    void add(std::shared_ptr<Customer> customer) { customers.push_back(std::move(customer)); }
    bool empty() const { return customers.empty(); }
    size_t size() const { return customers.size(); }
    std::shared_ptr<Customer> first() const { return customers.empty() ? nullptr : customers.front(); }
    // The customer leaving through the door; null when the shop is empty.
    std::shared_ptr<Customer> removeFirst();
    void clear() { customers.clear(); }
    const std::deque<std::shared_ptr<Customer>>& all() const { return customers; }

    void updateSteps(uint32_t elapsedMs);
    // True once for a first customer who has waited too long while nobody was being served:
    // the caller sends them out (RemoveCustomerEvent).
    bool firstRunsOutOfPatience(int32_t minuteOfDay, bool selling);

private:
    std::deque<std::shared_ptr<Customer>> customers;
};

} // namespace Lumo
