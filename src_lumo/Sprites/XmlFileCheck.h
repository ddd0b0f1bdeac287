#pragma once
// Irrlicht 1.8's XML reader runs past its buffer on damaged input, so every XML file the game reads
// (sprite definitions, .irrmesh meshes) passes expat first. Only what a real parser finds
// well-formed and valid in its encoding, within limits of size and depth, reaches Irrlicht; a
// refused file is treated like a missing one.
#include <cstddef>
#include <string>

namespace Lumo {

// What a reader behind Irrlicht's XML reader trusts of the elements, beyond well-formed text.
class XmlElementRule {
public:
    virtual ~XmlElementRule() = default;
    // Empty when the element may stand here, else why not. Attributes come as name, value, ..., null.
    virtual std::string element(const char* name, const char** attributes) = 0;
};

class XmlFileCheck {
public:
    static constexpr std::size_t kMaxBytes = 32u << 20;
    static constexpr int kMaxDepth = 64;

    // Empty when the file may be handed to Irrlicht's reader, else why not (for the player's message).
    // UTF-8 without a byte order mark (or with one), UTF-16 and UTF-32 with one, as Irrlicht reads them.
    static std::string problem(const unsigned char* data, std::size_t size, XmlElementRule* rule = nullptr);
};

} // namespace Lumo
