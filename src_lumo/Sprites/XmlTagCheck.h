#pragma once
// Irrlicht's XML reader runs past the end of its buffer when a file stops inside a tag (a
// truncated or garbled file). Definition files and meshes are checked with this before they reach it.
#include <cstddef>

namespace Lumo {

// True when every tag, comment, CDATA section and quoted attribute value that is opened is also
// closed, and no '<' stands inside a tag. Handles UTF-8, and UTF-16 and UTF-32 with a byte order mark.
bool hasCompleteTags(const unsigned char* data, std::size_t size);

} // namespace Lumo
