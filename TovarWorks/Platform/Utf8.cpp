#include "TovarWorks/Platform/Utf8.h"

namespace TovarWorks {

void appendUtf8(std::string& out, unsigned long codePoint) {
    const unsigned long c = codePoint <= 0x10FFFF ? codePoint : 0xFFFD; // no character: the replacement sign
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string toUtf8(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text)
        appendUtf8(out, static_cast<unsigned long>(wc));
    return out;
}

} // namespace TovarWorks

namespace TovarWorks {

namespace {
// Length of the well-formed sequence at `at` and its code point; 0 when there is none.
size_t decodeSequence(const std::string& bytes, size_t at, unsigned long& codePoint) {
    const unsigned char lead = static_cast<unsigned char>(bytes[at]);
    size_t length;
    unsigned long minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not text.
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}
} // namespace

std::wstring fromUtf8(const std::string& bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        unsigned long codePoint = 0;
        const size_t length = decodeSequence(bytes, at, codePoint);
        if (length == 0) {
            out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            out.push_back(static_cast<wchar_t>(codePoint));
            at += length;
        }
    }
    return out;
}

} // namespace TovarWorks
