#pragma once
// An event type: its name plus a case-insensitive Adler-32 of the name. The event manager
// files everything by the hash alone, so dispatch never compares strings.
#include <cstdint>
#include <string>

namespace TovarWorks {

class HashedString {
public:
    explicit HashedString(const char* text);

    static uint32_t HashName(const char* text);

    uint32_t getHash() const { return hash; }
    const std::string& getName() const { return name; }

    bool operator==(const HashedString& other) const { return hash == other.hash; }
    bool operator!=(const HashedString& other) const { return hash != other.hash; }
    bool operator<(const HashedString& other) const { return hash < other.hash; }

private:
    uint32_t hash;
    std::string name;
};

using EventType = HashedString;

} // namespace TovarWorks
