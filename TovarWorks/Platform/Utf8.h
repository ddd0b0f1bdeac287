#pragma once
// Wide texts as the UTF-8 bytes terminals and files expect, and back.
#include <string>

namespace TovarWorks {

// One code point; any value past Unicode becomes the replacement sign U+FFFD.
void appendUtf8(std::string& out, unsigned long codePoint);
std::string toUtf8(const std::wstring& text);
// Text files are UTF-8. A byte that does not begin a well-formed sequence is taken as the
// Latin-1 character of the same value, so older 8-bit files still read as they always did.
std::wstring fromUtf8(const std::string& bytes);

} // namespace TovarWorks
