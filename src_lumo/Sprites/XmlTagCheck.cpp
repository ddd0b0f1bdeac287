#include "src_lumo/Sprites/XmlTagCheck.h"

#include <cstring>
#include <string>
#include <vector>

namespace Lumo {

namespace {

std::vector<unsigned> codeUnits(const unsigned char* data, std::size_t size)
{
    std::vector<unsigned> units;
    // Irrlicht writes its own formats (.irrmesh) as UTF-32 with a byte order mark.
    const bool littleEndian32 = size >= 4 && data[0] == 0xFF && data[1] == 0xFE && data[2] == 0 && data[3] == 0;
    const bool bigEndian32 = size >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 0xFE && data[3] == 0xFF;
    if (littleEndian32 || bigEndian32) {
        for (std::size_t i = 4; i + 3 < size; i += 4)
            units.push_back(littleEndian32 ? data[i] | data[i + 1] << 8 | data[i + 2] << 16 | unsigned(data[i + 3]) << 24
                                           : unsigned(data[i]) << 24 | data[i + 1] << 16 | data[i + 2] << 8 | data[i + 3]);
        return units;
    }
    const bool littleEndian16 = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    const bool bigEndian16 = size >= 2 && data[0] == 0xFE && data[1] == 0xFF;
    if (littleEndian16 || bigEndian16) {
        for (std::size_t i = 2; i + 1 < size; i += 2)
            units.push_back(littleEndian16 ? data[i] | data[i + 1] << 8 : data[i] << 8 | data[i + 1]);
        return units;
    }
    units.assign(data, data + size);
    return units;
}

bool startsWith(const std::vector<unsigned>& units, std::size_t at, const char* text)
{
    const std::size_t length = std::strlen(text);
    if (at + length > units.size())
        return false;
    for (std::size_t i = 0; i < length; ++i)
        if (units[at + i] != static_cast<unsigned char>(text[i]))
            return false;
    return true;
}

// Position just after the terminator, or npos when it never comes.
std::size_t skipPast(const std::vector<unsigned>& units, std::size_t from, const char* terminator)
{
    for (std::size_t at = from; at < units.size(); ++at)
        if (startsWith(units, at, terminator))
            return at + std::strlen(terminator);
    return std::string::npos;
}

} // namespace

bool hasCompleteTags(const unsigned char* data, std::size_t size)
{
    const std::vector<unsigned> units = codeUnits(data, size);
    std::size_t at = 0;
    while (at < units.size()) {
        if (units[at] != '<') {
            ++at;
            continue;
        }
        if (startsWith(units, at, "<!--")) {
            at = skipPast(units, at + 4, "-->");
        } else if (startsWith(units, at, "<![CDATA[")) {
            at = skipPast(units, at + 9, "]]>");
        } else {
            unsigned quote = 0;
            for (++at; at < units.size(); ++at) {
                const unsigned c = units[at];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == '"' || c == '\'') {
                    quote = c;
                } else if (c == '<') {
                    return false;
                } else if (c == '>') {
                    break;
                }
            }
            if (at < units.size())
                ++at;
            else
                return false;
        }
        if (at == std::string::npos)
            return false;
    }
    return true;
}

} // namespace Lumo
