#pragma once
// Turns the shapes of one level mesh into an Irrlicht mesh with one buffer per texture. Walls and
// floors tile their texture at a fixed texel size so every surface shares the sprites' pixel grid.
#include "LevelDescription.h"

#include <irrlicht.h>

#include <map>
#include <set>

namespace LevelTool {

class MeshBuilder {
public:
    MeshBuilder(irr::video::IVideoDriver* driver, const LevelDescription& level,
                const std::set<std::string>& transparentTextures);

    // The caller drops the result.
    irr::scene::SMesh* build(const MeshRecipe& recipe);

private:
    struct Corner {
        irr::core::vector3df position;
        irr::core::vector2df uv;
    };
    // Corners in the order bottom-left, bottom-right, top-right, top-left as seen from the front.
    void addQuad(const std::string& texture, const Corner (&corners)[4], float brightness);
    void addFloor(const Shape& shape);
    void addBox(const Shape& shape);
    void addPanel(const std::string& texture, float x0, float z0, float x1, float z1, float y0, float y1);
    irr::core::vector2df tiled(const std::string& texture, float u, float v) const;
    irr::core::vector3df local(float x, float y, float z) const;

    irr::video::IVideoDriver* driver;
    const LevelDescription& level;
    const std::set<std::string>& transparentTextures;
    const MeshRecipe* current = nullptr;
    std::map<std::string, irr::scene::SMeshBuffer*> buffers;
};

} // namespace LevelTool
