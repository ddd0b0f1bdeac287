#pragma once
// Irrlicht 1.8's 3DS loader trusts every length and count in the file: a name without its end
// hangs it, and a chunk that ends before or after what the loader takes from it sends it off its
// track into the rest of the file, or past the arrays it made. This walks the chunk tree as that
// loader reads it and passes a file only when every chunk it reads holds exactly what it takes.
#include <cstddef>
#include <string>

namespace Lumo {

class Mesh3dsCheck {
public:
    static constexpr std::size_t kMaxBytes = 64u << 20;
    static constexpr int kMaxDepth = 16;

    // Empty when the file may be handed to Irrlicht, else why not (for the player's message).
    static std::string problem(const unsigned char* data, std::size_t size);
};

} // namespace Lumo
