#pragma once
// The numbers the bakery's rules change: clock, days, money, stocks, story flags, popularity.
// Plain data, so that tests and the rules read and write it without a window.
#include <array>
#include <map>
#include <memory>
#include <string>

namespace Lumo {

class CustomerSchedule;
class PathFinder;

// Story flags are floats read as integers by truncation; a missing flag reads as 0.
class StoryFlags {
public:
    int read(const std::string& name) const;
    void set(const std::string& name, float value) { flags[name] = value; }
    bool has(const std::string& name) const { return flags.count(name) != 0; }

    float popularity = 4.0f;

private:
    std::map<std::string, float> flags;
};

struct WorldState {
    static constexpr int kIngredientCount = 6;
    static constexpr int kLastDay = 13;
    static constexpr int kNoon = 12 * 60;
    static constexpr int kClockStop = 22 * 60;

    // Filled by the customer rules; without them nobody comes.
    std::shared_ptr<CustomerSchedule> customers;
    // The waypoint graph everybody walks on, loaded at start-up.
    std::shared_ptr<PathFinder> paths;
    int weekday = -1;
    int day = 0;
    int money = 500;
    std::array<int, kIngredientCount> storeroomStock{500, 0, 0, 0, 0, 0};
    StoryFlags flagsAndPopularity;
    int minuteOfDay = 300;
    int clockMs = 0;
    std::array<int, kIngredientCount> tableStock{};
};

} // namespace Lumo
