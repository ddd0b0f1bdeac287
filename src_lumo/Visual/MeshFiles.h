#pragma once
// Loads the game's meshes through the scene manager, but first checks that the file is whole:
// Irrlicht 1.8's 3DS reader never returns from a name that runs into the end of the file, and its
// XML reader (.irrmesh) reads past its buffer when a file stops inside a tag, so a truncated or
// damaged file would hang or crash the game. Such a file is reported and not loaded.
#include <irrlicht.h>

namespace Lumo {

class MeshFiles {
public:
    // Null (with a message) when the file is missing or damaged.
    static irr::scene::IAnimatedMesh* load(irr::scene::ISceneManager* scene, const char* file);
    // The main chunk of a 3DS file says how long the file is: it must be exactly that long.
    static bool is3dsComplete(irr::io::IReadFile& file);
    // Every tag of an XML mesh is closed.
    static bool isXmlComplete(irr::io::IReadFile& file);
};

} // namespace Lumo
