#pragma once
// The small INI reader: key=value lines, no trimming, section headers ignored.
#include <map>
#include <string>

namespace TovarWorks {

class IniReader {
public:
    explicit IniReader(const std::wstring& fileName);

    bool isLoaded() const { return loaded; }
    int getInt(const std::wstring& key) const;  // -1 when absent
    bool getBool(const std::wstring& key) const; // "true", "TRUE" or "1"
    bool has(const std::wstring& key) const { return values.count(key) != 0; }
    // The value as written; empty when absent.
    std::wstring getString(const std::wstring& key) const;
    // Like getInt, but false (and out untouched) when the key is absent or holds no number.
    bool tryGetInt(const std::wstring& key, int& out) const;

private:
    std::wstring fileName;
    bool loaded = false;
    std::map<std::wstring, std::wstring> values;
};

} // namespace TovarWorks
