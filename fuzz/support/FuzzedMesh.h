#pragma once
// A fuzzed mesh file through the game's loader and what the game does next with a level mesh (a
// scene node, a triangle selector for picking), then forgotten so the next input is read afresh.
#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzedMesh {

// `name` is the file's place in the runtime mirror. It must lie in one of the mirror's own folders
// (lumodata/ itself), not in a linked one (lumodata/3d/), or the input would land in the build. The
// textures an .irrmesh names by their path from the runtime folder are found from there; a 3DS
// file's, named alone, are not.
void load(const std::string& name, const uint8_t* data, size_t size);

} // namespace FuzzedMesh
