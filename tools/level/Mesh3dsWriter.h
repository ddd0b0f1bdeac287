#pragma once
// Writes an Irrlicht mesh as a 3D Studio file that Irrlicht's own 3DS loader reads back: one
// material and one object per mesh buffer, textures named by their file name beside the model.
#include <irrlicht.h>

#include <string>

namespace LevelTool {

class Mesh3dsWriter {
public:
    static bool write(const irr::scene::IMesh& mesh, const std::string& fileName);
};

} // namespace LevelTool
