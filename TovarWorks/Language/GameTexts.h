#pragma once
// The game's texts by identifier ("INTRO_1", "N_SOPHIE", ...), loaded once at start-up.
#include <map>
#include <string>

namespace TovarWorks {

class GameTexts {
public:
    void loadGameTexts(const std::string& path);
    std::wstring getGameText(const std::string& identifier) const; // "MISSINGNO" when absent
    bool has(const std::string& identifier) const { return table.count(identifier) != 0; }
    const std::map<std::string, std::wstring>& all() const { return table; }

private:
    std::map<std::string, std::wstring> table;
};

} // namespace TovarWorks
