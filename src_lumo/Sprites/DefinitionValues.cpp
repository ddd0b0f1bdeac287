#include "src_lumo/Sprites/DefinitionValues.h"

#include <cerrno>
#include <cmath>
#include <cwchar>
#include <cwctype>

namespace Lumo {

std::wstring trimmed(const std::wstring& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::iswspace(text[first]))
        ++first;
    while (last > first && std::iswspace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool parseDecimal(const std::wstring& text, float& value)
{
    const std::wstring number = trimmed(text);
    if (number.empty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    // The program never changes the C locale, so the decimal separator is the point.
    const double parsed = std::wcstod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || errno == ERANGE || !std::isfinite(parsed))
        return false;
    value = static_cast<float>(parsed);
    return true;
}

bool parseIntegers(const std::wstring& text, std::size_t count, std::vector<int>& values)
{
    std::vector<int> parsed;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(L',', start);
        const std::wstring item = trimmed(text.substr(start, comma == std::wstring::npos ? std::wstring::npos
                                                                                           : comma - start));
        if (item.empty())
            return false;
        wchar_t* end = nullptr;
        errno = 0;
        const long number = std::wcstol(item.c_str(), &end, 10);
        if (end != item.c_str() + item.size() || errno == ERANGE || number < -1000000 || number > 1000000)
            return false;
        parsed.push_back(static_cast<int>(number));
        if (comma == std::wstring::npos)
            break;
        start = comma + 1;
    }
    if (parsed.size() != count)
        return false;
    values = std::move(parsed);
    return true;
}

} // namespace Lumo
