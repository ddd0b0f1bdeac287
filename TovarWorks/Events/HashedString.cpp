#include "TovarWorks/Events/HashedString.h"

#include <cstring>

namespace TovarWorks {

namespace {
constexpr uint32_t kAdlerModulus = 65521;
// Largest chunk for which the unreduced sums cannot overflow 32 bits.
constexpr size_t kChunkLength = 5552;

inline uint32_t lowered(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }
} // namespace

HashedString::HashedString(const char* text) : hash(HashName(text)), name(text ? text : "") {}

uint32_t HashedString::HashName(const char* text) {
    if (!text || std::strcmp(text, "*") == 0)
        return 0;
    size_t remaining = std::strlen(text);
    if (remaining == 0)
        return 0;

    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    uint32_t a = 0;
    uint32_t b = 0;
    while (remaining > 0) {
        size_t chunk = remaining < kChunkLength ? remaining : kChunkLength;
        remaining -= chunk;
        // Sixteen bytes per round while they last; the sums are the same as byte by byte.
        while (chunk >= 16) {
            for (int i = 0; i < 16; ++i) {
                a += lowered(bytes[i]);
                b += a;
            }
            bytes += 16;
            chunk -= 16;
        }
        while (chunk-- > 0) {
            a += lowered(*bytes++);
            b += a;
        }
        a %= kAdlerModulus;
        b %= kAdlerModulus;
    }
    return (b << 16) | a;
}

} // namespace TovarWorks
