#include "TovarWorks/Console/IniReader.h"

#include "TovarWorks/Platform/NativePath.h"
#include "TovarWorks/TovarDevice.h"

#include <fstream>
#include <sstream>

namespace TovarWorks {

namespace {
constexpr size_t kMaxLineLength = 1023;
}

IniReader::IniReader(const std::wstring& name) : fileName(name) {
    std::ifstream file(nativePath(fileName), std::ios::binary);
    if (!file) {
        if (gDevice)
            gDevice->printError(L"Could not load INI file %p!", fileName.c_str());
        return;
    }
    std::string raw;
    while (std::getline(file, raw)) {
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (raw.size() > kMaxLineLength)
            raw.resize(kMaxLineLength);
        // Each byte becomes one wide character.
        const std::wstring line(raw.begin(), raw.end());
        const size_t equals = line.find(L'=');
        if (equals != std::wstring::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    loaded = true;
}

int IniReader::getInt(const std::wstring& key) const {
    auto it = values.find(key);
    if (it == values.end())
        return -1;
    std::wistringstream stream(it->second);
    int value = 0;
    stream >> value;
    return value;
}

bool IniReader::tryGetInt(const std::wstring& key, int& out) const {
    auto it = values.find(key);
    if (it == values.end())
        return false;
    std::wistringstream stream(it->second);
    int value = 0;
    if (!(stream >> value))
        return false;
    out = value;
    return true;
}

std::wstring IniReader::getString(const std::wstring& key) const {
    auto it = values.find(key);
    return it != values.end() ? it->second : std::wstring();
}

bool IniReader::getBool(const std::wstring& key) const {
    auto it = values.find(key);
    return it != values.end() && (it->second == L"true" || it->second == L"TRUE" || it->second == L"1");
}

} // namespace TovarWorks
