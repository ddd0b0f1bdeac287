#pragma once
// The bakery level as the readable text of bakery.level: textures, meshes made of boxes and
// picture panels, the cells that block the baker, and the named waypoints with their links.
#include <array>
#include <map>
#include <string>
#include <vector>

namespace LevelTool {

struct TextureRecipe {
    std::string file;      // relative to the runtime folder
    std::string pattern;   // how TexturePainter draws it
    int size = 32;
    unsigned colour1 = 0, colour2 = 0;
};

enum class ShapeKind { Floor, Box, Panel, Cross };

struct Shape {
    ShapeKind kind = ShapeKind::Box;
    std::string side, top;     // texture files; a floor or panel uses side only
    float x0 = 0, z0 = 0, x1 = 0, z1 = 0, y0 = 0, y1 = 0;
};

struct MeshRecipe {
    std::string name;
    std::string file;
    float originX = 0, originZ = 0;
    bool threeDS = false;
    std::vector<Shape> shapes;
};

struct Area {
    float x0, z0, x1, z1;
};

struct Waypoint {
    std::string name;
    float x, z;
};

class LevelDescription {
public:
    // Reads the file; on a malformed line prints it with its number and returns false.
    bool load(const std::string& fileName);

    float texel = 0.45f;
    std::map<std::string, TextureRecipe> textures;
    std::vector<MeshRecipe> meshes;
    std::vector<Area> blocked;            // solid boxes of placed meshes and explicit blocks
    std::vector<Waypoint> waypoints;
    std::vector<std::array<std::string, 2>> links;

private:
    bool readLine(const std::vector<std::string>& words);
    bool readShape(const std::vector<std::string>& words);
};

} // namespace LevelTool
