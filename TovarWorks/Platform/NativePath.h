#pragma once
// The design writes some paths Windows-style ("tovarworks\lang\lang.txt"). On Linux a path is
// opened with '/' separators, each component matched case-insensitively when the exact name is
// missing, so the data keeps the names the design gives it.
#include <string>

namespace TovarWorks {

std::string nativePath(const std::string& path);
std::string nativePath(const std::wstring& path);

} // namespace TovarWorks
