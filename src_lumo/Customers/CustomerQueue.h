#pragma once
// The customers in the shop in the order they came, each with their character on stage; the first
// one stands at the counter. Each leaves once, for one cause (served, refused or out of patience),
// so a second cause never sends out the next one in line.
#include "src_lumo/Customers/Customer.h"

#include <deque>
#include <memory>
#include <optional>

namespace Lumo {

class CharNode;

struct QueuedCustomer {
    std::shared_ptr<CharNode> character;
    std::shared_ptr<Customer> customer; // who it is and the steps of its little script
};

class CustomerQueue {
public:
    using Entries = std::deque<QueuedCustomer>;

    // Only with a customer: who stands in the queue always knows who they are.
    void add(QueuedCustomer entry);
    bool empty() const { return entries.empty(); }
    size_t size() const { return entries.size(); }
    QueuedCustomer& front() { return entries.front(); }
    const QueuedCustomer& front() const { return entries.front(); }
    const QueuedCustomer& back() const { return entries.back(); }
    Entries::iterator begin() { return entries.begin(); }
    Entries::iterator end() { return entries.end(); }
    Entries::const_iterator begin() const { return entries.begin(); }
    Entries::const_iterator end() const { return entries.end(); }

    // The customer at the counter who can still be served; null when nobody, or only someone on
    // the way out, stands there.
    Customer* waitingAtCounter() const;
    // The one walking out of the door; empty when the shop is empty.
    std::optional<QueuedCustomer> removeFirst();
    void clear() { entries.clear(); }

    // True once for a first customer who has waited too long while nobody was being served, who
    // is then on the way out: the caller sends them out (RemoveCustomerEvent).
    bool firstRunsOutOfPatience(int32_t minuteOfDay, bool selling);

private:
    Entries entries;
};

} // namespace Lumo
