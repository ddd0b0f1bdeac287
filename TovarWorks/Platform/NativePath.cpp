#include "TovarWorks/Platform/NativePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace TovarWorks {

namespace {
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of dir whose name equals name but for case, or name itself when there is none.
std::string matchComponent(const fs::path& dir, const std::string& name) {
    std::error_code error;
    if (fs::exists(dir / name, error))
        return name;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, error), end; !error && it != end;
         it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (sameIgnoringCase(candidate, name))
            return candidate;
    }
    return name;
}
} // namespace

std::string nativePath(const std::string& path) {
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::error_code error;
    if (slashed.empty() || fs::exists(slashed, error))
        return slashed;

    fs::path resolved = slashed.front() == '/' ? fs::path("/") : fs::path();
    size_t start = 0;
    while (start <= slashed.size()) {
        const size_t end = std::min(slashed.find('/', start), slashed.size());
        const std::string component = slashed.substr(start, end - start);
        if (!component.empty())
            resolved /= matchComponent(resolved, component);
        start = end + 1;
    }
    return resolved.string();
}

std::string nativePath(const std::wstring& path) {
    // The engine's wide paths widen bytes one by one, so narrowing them back is exact.
    std::string narrow;
    narrow.reserve(path.size());
    for (wchar_t c : path)
        narrow.push_back(static_cast<char>(c));
    return nativePath(narrow);
}

} // namespace TovarWorks
