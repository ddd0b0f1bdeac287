#pragma once
// A fuzzed mesh file through the game's loader and what the game does next with a level mesh (a
// scene node, a triangle selector for picking), then forgotten so the next input is read afresh.
#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzedMesh {

// `name` is the file's place in the runtime mirror; next to the shipped meshes, their texture
// names find the shipped pictures.
void load(const std::string& name, const uint8_t* data, size_t size);

} // namespace FuzzedMesh
