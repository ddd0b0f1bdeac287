#pragma once
// Irrlicht's XML reader runs past the end of its buffer when a file stops inside a tag, and when a
// garbled attribute sends its scans for '=', quotes and '>' off into the rest of the file. Definition
// files and meshes are checked with this before they reach it: what passes, it reads safely.
#include <cstddef>

namespace Lumo {

// True when every tag is closed and its attributes are all name="value" (or 'value'), every comment,
// definition and CDATA section ends, and no '<' stands inside a tag. Handles UTF-8, and UTF-16 and
// UTF-32 with a byte order mark.
bool hasCompleteTags(const unsigned char* data, std::size_t size);

} // namespace Lumo
