#include "GameCode.h"

#include "TempDir.h"

#include <filesystem>
#include <regex>

std::set<std::string> matchesInGameCode(const std::string& pattern) {
    const std::regex regex(pattern);
    std::set<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KORNELO_SOURCE_DIR "/src_lumo")) {
        const std::string code = readWholeFile(entry.path().string());
        for (std::sregex_iterator match(code.begin(), code.end(), regex), end; match != end; ++match)
            found.insert((*match)[1]);
    }
    return found;
}
