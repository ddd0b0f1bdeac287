#include "src_lumo/Save/SaveText.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Game/WorldState.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace Lumo {

namespace {

// Beyond these no game of thirteen days goes; a larger number is a damaged file.
constexpr int64_t kMaxAmount = 999'999'999;
constexpr float kMaxPopularity = 1.0e6f;
constexpr float kMaxFlag = 1.0e6f;
constexpr float kMaxCoordinate = 1.0e5f;
constexpr int64_t kMaxBoxes = 100;
constexpr size_t kMaxFlagName = 64;

std::string number(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string row(const int32_t* values, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += (i ? " " : "") + std::to_string(values[i]);
    return text;
}

std::string list(const std::vector<int32_t>& values) { return row(values.data(), values.size()); }

std::string position(const irr::core::vector3df& p) { return number(p.X) + " " + number(p.Y) + " " + number(p.Z); }

bool flagNameIsSound(std::string_view name) {
    if (name.empty() || name.size() > kMaxFlagName)
        return false;
    for (const char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t space = std::min(text.find(' ', start), text.size());
        found.push_back(text.substr(start, space - start));
        start = space + 1;
    }
    return found;
}

template <typename Number>
bool parseWhole(std::string_view text, Number& value) {
    if (text.empty())
        return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool parseFloat(std::string_view text, float limit, float& value) {
    return parseWhole(text, value) && std::isfinite(value) && std::fabs(value) <= limit;
}

// The "name=value" lines between the version and the end, each taken once by the reader; what is
// left over at the end is a line the game does not know.
class SaveLines {
public:
    bool split(std::string_view text, std::string& problem) {
        if (text.empty() || text.back() != '\n')
            return fail(problem, "the file is cut off");
        text.remove_suffix(1);
        size_t number = 0;
        size_t start = 0;
        std::vector<std::string_view> lines;
        while (start <= text.size()) {
            const size_t end = std::min(text.find('\n', start), text.size());
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        const std::string versionLine = "version=" + std::to_string(SaveText::kVersion);
        if (lines.front() != versionLine) {
            if (lines.front().rfind("version=", 0) == 0)
                return fail(problem, "line 1: unknown version " + std::string(lines.front().substr(8, 20)));
            return fail(problem, "line 1: not a Kornelo save");
        }
        if (lines.size() < 2 || lines.back() != "end")
            return fail(problem, "the file is cut off");
        for (const std::string_view line : lines) {
            ++number;
            if (number == 1 || number == lines.size())
                continue;
            const size_t equals = line.find('=');
            if (equals == std::string_view::npos || equals == 0)
                return fail(problem, "line " + std::to_string(number) + ": not a name=value line");
            const std::string name(line.substr(0, equals));
            if (!entries.emplace(name, Entry{line.substr(equals + 1), number}).second)
                return fail(problem, "line " + std::to_string(number) + ": " + name + " twice");
        }
        return true;
    }

    bool integer(const std::string& name, int64_t low, int64_t high, int32_t& value, std::string& problem) {
        int64_t read = 0;
        if (!take(name, problem) || !parseWhole(current.value, read) || read < low || read > high)
            return bad(name, problem);
        value = static_cast<int32_t>(read);
        return true;
    }

    bool seed(const std::string& name, uint32_t& value, std::string& problem) {
        return (take(name, problem) && parseWhole(current.value, value)) || bad(name, problem);
    }

    bool decimal(const std::string& name, float limit, float& value, std::string& problem) {
        return (take(name, problem) && parseFloat(current.value, limit, value)) || bad(name, problem);
    }

    bool amounts(const std::string& name, IngredientRow& value, std::string& problem) {
        if (!take(name, problem))
            return bad(name, problem);
        const std::vector<std::string_view> parts = words(current.value);
        if (parts.size() != value.size())
            return bad(name, problem);
        for (size_t i = 0; i < parts.size(); ++i) {
            int64_t read = 0;
            if (!parseWhole(parts[i], read) || read < 0 || read > kMaxAmount)
                return bad(name, problem);
            value[i] = static_cast<int32_t>(read);
        }
        return true;
    }

    // Numbers within low..high, each larger than the one before, so none comes twice.
    bool rising(const std::string& name, int32_t low, int32_t high, std::vector<int32_t>& value,
                std::string& problem) {
        if (!take(name, problem))
            return bad(name, problem);
        value.clear();
        if (current.value.empty())
            return true;
        for (const std::string_view part : words(current.value)) {
            int64_t read = 0;
            if (!parseWhole(part, read) || read < low || read > high || (!value.empty() && read <= value.back()))
                return bad(name, problem);
            value.push_back(static_cast<int32_t>(read));
        }
        return true;
    }

    bool place(const std::string& name, irr::core::vector3df& value, std::string& problem) {
        if (!take(name, problem))
            return bad(name, problem);
        const std::vector<std::string_view> parts = words(current.value);
        if (parts.size() != 3 || !parseFloat(parts[0], kMaxCoordinate, value.X) ||
            !parseFloat(parts[1], kMaxCoordinate, value.Y) || !parseFloat(parts[2], kMaxCoordinate, value.Z))
            return bad(name, problem);
        return true;
    }

    bool flags(std::map<std::string, float>& value, std::string& problem) {
        static const std::string prefix = "flag.";
        for (auto entry = entries.begin(); entry != entries.end();) {
            if (entry->first.rfind(prefix, 0) != 0) {
                ++entry;
                continue;
            }
            const std::string name = entry->first.substr(prefix.size());
            float number = 0.0f;
            current = entry->second;
            if (!flagNameIsSound(name) || !parseFloat(current.value, kMaxFlag, number))
                return bad(entry->first, problem);
            value[name] = number;
            entry = entries.erase(entry);
        }
        return true;
    }

    bool nothingLeft(std::string& problem) const {
        if (entries.empty())
            return true;
        // The first line in the file the game does not know.
        auto first = entries.begin();
        for (auto entry = entries.begin(); entry != entries.end(); ++entry)
            if (entry->second.line < first->second.line)
                first = entry;
        return fail(problem, "line " + std::to_string(first->second.line) + ": unknown name " + first->first);
    }

private:
    struct Entry {
        std::string_view value;
        size_t line = 0;
    };

    static bool fail(std::string& problem, const std::string& why) {
        problem = why;
        return false;
    }

    bool take(const std::string& name, std::string& problem) {
        const auto found = entries.find(name);
        if (found == entries.end()) {
            current = Entry{};
            return fail(problem, name + " is missing");
        }
        current = found->second;
        entries.erase(found);
        return true;
    }

    bool bad(const std::string& name, std::string& problem) const {
        if (current.line == 0)
            return false; // take() has said what is missing
        return fail(problem, "line " + std::to_string(current.line) + ": " + name + " is not a value the game can use");
    }

    std::map<std::string, Entry> entries;
    Entry current;
};

} // namespace

std::string SaveText::write(const SavedGame& game) {
    std::string text = "version=" + std::to_string(kVersion) + "\n";
    const auto line = [&text](const std::string& name, const std::string& value) {
        text += name + "=" + value + "\n";
    };
    line("day", std::to_string(game.day));
    line("weekday", std::to_string(game.weekday));
    line("money", std::to_string(game.money));
    line("popularity", number(game.popularity));
    line("clockms", std::to_string(game.clockMs));
    line("seed", std::to_string(game.daySeed));
    line("storeroom", row(game.storeroomStock.data(), game.storeroomStock.size()));
    line("table", row(game.tableStock.data(), game.tableStock.size()));
    line("unlocked", list(game.unlockedRecipes));
    line("discovered", list(game.discoveredGoods));
    line("letters", list(game.letterDays));
    for (const auto& [name, value] : game.flags)
        line("flag." + name, number(value));
    line("hero.position", position(game.heroPosition));
    line("hero.facing", std::to_string(game.heroFacing));
    line("boxes", std::to_string(game.boxes.size()));
    for (size_t i = 0; i < game.boxes.size(); ++i) {
        const std::string box = "box" + std::to_string(i + 1);
        line(box + ".position", position(game.boxes[i].position));
        line(box + ".contents", row(game.boxes[i].contents.data(), game.boxes[i].contents.size()));
    }
    return text + "end\n";
}

bool SaveText::read(std::string_view text, SavedGame& game, std::string& problem) {
    if (text.size() > kMaxBytes) {
        problem = "the file is too large to be a save";
        return false;
    }
    SaveLines lines;
    SavedGame loaded;
    int32_t boxCount = 0;
    const bool sound =
        lines.split(text, problem) && lines.integer("day", 1, WorldState::kLastDay, loaded.day, problem) &&
        lines.integer("weekday", 0, 6, loaded.weekday, problem) &&
        lines.integer("money", 0, kMaxAmount, loaded.money, problem) &&
        lines.decimal("popularity", kMaxPopularity, loaded.popularity, problem) &&
        lines.integer("clockms", 0, std::numeric_limits<int32_t>::max(), loaded.clockMs, problem) &&
        lines.seed("seed", loaded.daySeed, problem) && lines.amounts("storeroom", loaded.storeroomStock, problem) &&
        lines.amounts("table", loaded.tableStock, problem) &&
        lines.rising("unlocked", kUnknownGood, kDonut, loaded.unlockedRecipes, problem) &&
        lines.rising("discovered", kBun, kDonut, loaded.discoveredGoods, problem) &&
        lines.rising("letters", 1, loaded.day, loaded.letterDays, problem) && lines.flags(loaded.flags, problem) &&
        lines.place("hero.position", loaded.heroPosition, problem) &&
        lines.integer("hero.facing", 0, 3, loaded.heroFacing, problem) &&
        lines.integer("boxes", 0, kMaxBoxes, boxCount, problem);
    if (!sound)
        return false;
    loaded.boxes.resize(static_cast<size_t>(boxCount));
    for (size_t i = 0; i < loaded.boxes.size(); ++i) {
        const std::string box = "box" + std::to_string(i + 1);
        if (!lines.place(box + ".position", loaded.boxes[i].position, problem) ||
            !lines.amounts(box + ".contents", loaded.boxes[i].contents, problem))
            return false;
    }
    if (!lines.nothingLeft(problem))
        return false;
    game = std::move(loaded);
    return true;
}

bool SavedGame::operator==(const SavedGame& other) const {
    return day == other.day && weekday == other.weekday && money == other.money && popularity == other.popularity &&
           clockMs == other.clockMs && daySeed == other.daySeed && storeroomStock == other.storeroomStock &&
           tableStock == other.tableStock && flags == other.flags && unlockedRecipes == other.unlockedRecipes &&
           discoveredGoods == other.discoveredGoods && letterDays == other.letterDays &&
           heroPosition == other.heroPosition && heroFacing == other.heroFacing && boxes == other.boxes;
}

} // namespace Lumo
