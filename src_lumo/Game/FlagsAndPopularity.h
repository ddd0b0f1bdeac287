#pragma once
// The story's flags (name to number, read as integers) and the bakery's popularity.
#include <map>
#include <string>

namespace Lumo {

struct FlagsAndPopularity {
    std::map<std::string, float> flags;
    float popularity = 4.0f;

    // Truncated to an integer; a missing flag reads 0.
    int flag(const std::string& name) const;
    bool isSet(const std::string& name) const { return flag(name) != 0; }
    void setFlag(const std::string& name, float value) { flags[name] = value; }
};

} // namespace Lumo
