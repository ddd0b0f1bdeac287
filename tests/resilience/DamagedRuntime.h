#pragma once
// A private copy of the runtime folder with one data file missing, replaced by garbage or cut in
// half. Only what must differ is a real file; the rest of the shipped data is linked.
#include "RuntimeCopy.h"

#include <ostream>
#include <string>
#include <vector>

enum class Damage { Missing, Garbage, Truncated };

const char* damageName(Damage damage);
inline void PrintTo(Damage damage, std::ostream* out) { *out << damageName(damage); }

class DamagedRuntime : public RuntimeCopy {
public:
    // `copies` are further files made real copies (the game's executable, to run it from here).
    DamagedRuntime(const std::string& damagedFile, Damage damage, std::vector<std::string> copies = {});

    // Every data file of the runtime folder, relative to it, in a fixed order.
    static std::vector<std::string> shippedDataFiles();
};
