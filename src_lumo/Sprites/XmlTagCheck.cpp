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

bool isSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Walks the text as Irrlicht's reader does, failing wherever the reader would scan past the end.
class TagWalker {
public:
    explicit TagWalker(std::vector<unsigned> units) : units(std::move(units)) {}

    bool walk() {
        while (at < units.size()) {
            if (units[at++] != '<')
                continue;
            if (at == units.size())
                return false;
            const unsigned kind = units[at];
            const bool ok = kind == '/' || kind == '?' ? skipPast(">")
                            : kind == '!'              ? (startsWith("![") ? skipPast("]]>") : comment())
                                                       : openingTag();
            if (!ok)
                return false;
        }
        return true;
    }

private:
    bool startsWith(const char* text) const {
        const std::size_t length = std::strlen(text);
        if (at + length > units.size())
            return false;
        for (std::size_t i = 0; i < length; ++i)
            if (units[at + i] != static_cast<unsigned char>(text[i]))
                return false;
        return true;
    }

    bool skipPast(const char* terminator) {
        for (; at < units.size(); ++at)
            if (startsWith(terminator)) {
                at += std::strlen(terminator);
                return true;
            }
        return false;
    }

    // The reader counts '<' and '>' after "<!" until they balance.
    bool comment() {
        int open = 1;
        for (++at; at < units.size() && open > 0; ++at)
            open += units[at] == '<' ? 1 : units[at] == '>' ? -1 : 0;
        return open == 0;
    }

    bool openingTag() {
        while (at < units.size() && units[at] != '>' && !isSpace(units[at]))
            if (units[at++] == '<')
                return false;
        while (at < units.size()) {
            const unsigned c = units[at];
            if (c == '>') {
                ++at;
                return true;
            }
            if (isSpace(c))
                ++at;
            else if (c == '/')
                return emptyElementEnd();
            else if (!attribute())
                return false;
        }
        return false;
    }

    // "/>": the reader takes the character after '/' as the tag's end, whatever it is.
    bool emptyElementEnd() {
        if (at + 1 >= units.size() || units[at + 1] != '>')
            return false;
        at += 2;
        return true;
    }

    // name="value", spaces allowed around '=': the reader takes the name up to '=' or a space,
    // skips one character and looks for a quote wherever it may be, so anything else between the
    // name and the quote would lead it astray.
    bool attribute() {
        for (; at < units.size() && units[at] != '=' && !isSpace(units[at]); ++at) {
            const unsigned c = units[at];
            if (c == '>' || c == '<' || c == '/' || c == '"' || c == '\'')
                return false;
        }
        skipSpaces();
        if (at >= units.size() || units[at] != '=')
            return false;
        ++at;
        skipSpaces();
        if (at >= units.size() || (units[at] != '"' && units[at] != '\''))
            return false;
        const unsigned quote = units[at++];
        for (; at < units.size(); ++at)
            if (units[at] == quote) {
                ++at;
                return true;
            }
        return false;
    }

    void skipSpaces() {
        while (at < units.size() && isSpace(units[at]))
            ++at;
    }

    const std::vector<unsigned> units;
    std::size_t at = 0;
};

} // namespace

bool hasCompleteTags(const unsigned char* data, std::size_t size)
{
    return TagWalker(codeUnits(data, size)).walk();
}

} // namespace Lumo
