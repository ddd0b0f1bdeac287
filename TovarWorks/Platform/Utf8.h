#pragma once
// Wide texts as the UTF-8 bytes terminals and files expect.
#include <string>

namespace TovarWorks {

std::string toUtf8(const std::wstring& text);

} // namespace TovarWorks
