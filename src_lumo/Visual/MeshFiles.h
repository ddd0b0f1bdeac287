#pragma once
// Loads the game's meshes through the scene manager, but only what Irrlicht 1.8 reads safely: its
// 3DS reader trusts every length in the file (a cut file hangs it) and its XML reader (.irrmesh)
// runs past its buffer on damaged text, so each file passes its check first; and a mesh whose
// triangles name vertices it lacks is let go before anything draws or picks from it. A refused
// file is reported and the game goes on without it, as for a missing one.
#include <irrlicht.h>

#include <string>

namespace Lumo {

class MeshFiles {
public:
    // Null (with a message) when the file is missing or damaged.
    static irr::scene::IAnimatedMesh* load(irr::scene::ISceneManager* scene, const char* file);
    // Empty when the file (.3ds or .irrmesh, by its name) may be handed to Irrlicht, else why not.
    static std::string problem(irr::io::IReadFile& file);
};

} // namespace Lumo
