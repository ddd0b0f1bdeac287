#pragma once
// Loads the game's meshes through the scene manager, but first checks a 3DS file's outer chunk:
// Irrlicht 1.8's 3DS reader never returns from a name that runs into the end of the file, so a
// truncated or damaged file would hang the game. Such a file is reported and not loaded.
#include <irrlicht.h>

namespace Lumo {

class MeshFiles {
public:
    // Null (with a message) when the file is missing or damaged.
    static irr::scene::IAnimatedMesh* load(irr::scene::ISceneManager* scene, const char* file);
    // The main chunk of a 3DS file says how long the file is: it must be exactly that long.
    static bool is3dsComplete(irr::io::IReadFile& file);
};

} // namespace Lumo
