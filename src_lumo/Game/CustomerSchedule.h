#pragma once
// What the clock needs of the customer rules: a new day's schedule and the visits that are due.
// The customer manager implements it; without one the bakery stays empty.
namespace Lumo {

class LumoVisual;

class CustomerSchedule {
public:
    virtual ~CustomerSchedule() = default;
    // Builds the day's visits from the popularity.
    virtual void buildDaySchedule() = 0;
    // Takes out every visit due at that minute and puts its customer on stage; how many came.
    virtual int spawnDueCustomers(int minuteOfDay, LumoVisual& visual) = 0;
};

} // namespace Lumo
