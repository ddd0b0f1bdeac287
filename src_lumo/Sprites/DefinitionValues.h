#pragma once
// The text values of sprite definition files: decimal numbers with a point and comma lists of
// integers. A malformed value is rejected as a whole, so the running value it would replace stays.
#include <string>
#include <vector>

namespace Lumo {

std::wstring trimmed(const std::wstring& text);
bool parseDecimal(const std::wstring& text, float& value);
// Exactly `count` integers separated by commas, each optionally surrounded by spaces.
bool parseIntegers(const std::wstring& text, std::size_t count, std::vector<int>& values);

} // namespace Lumo
