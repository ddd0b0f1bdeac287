#include "LevelDescription.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace LevelTool {

namespace {

bool toFloat(const std::string& text, float& value) {
    std::istringstream in(text);
    in >> value;
    return !in.fail() && in.eof();
}

bool toColour(const std::string& text, unsigned& value) {
    if (text.size() != 7 || text[0] != '#')
        return false;
    value = 0xFF000000u | static_cast<unsigned>(std::stoul(text.substr(1), nullptr, 16));
    return true;
}

bool toFloats(const std::vector<std::string>& words, size_t first, size_t count, float* out) {
    if (words.size() < first + count)
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!toFloat(words[first + i], out[i]))
            return false;
    return true;
}

} // namespace

bool LevelDescription::load(const std::string& fileName) {
    std::ifstream in(fileName);
    if (!in) {
        std::cerr << "cannot open " << fileName << "\n";
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue; // blank or a comment
        std::istringstream words(line);
        std::vector<std::string> list;
        for (std::string word; words >> word;)
            list.push_back(word);
        if (!list.empty() && !readLine(list)) {
            std::cerr << fileName << ":" << number << ": cannot read \"" << line << "\"\n";
            return false;
        }
    }
    return true;
}

bool LevelDescription::readLine(const std::vector<std::string>& words) {
    const std::string& verb = words[0];
    if (verb == "texel")
        return words.size() == 2 && toFloat(words[1], texel);
    if (verb == "texture") {
        TextureRecipe recipe;
        float size = 0;
        if (words.size() != 6 || !toFloat(words[3], size) || !toColour(words[4], recipe.colour1) ||
            !toColour(words[5], recipe.colour2))
            return false;
        recipe.file = words[1];
        recipe.pattern = words[2];
        recipe.size = static_cast<int>(size);
        textures[recipe.file] = recipe;
        return true;
    }
    if (verb == "mesh" || verb == "mesh3ds") {
        MeshRecipe mesh;
        float origin[2];
        if (words.size() != 5 || !toFloats(words, 3, 2, origin))
            return false;
        mesh.name = words[1];
        mesh.file = words[2];
        mesh.originX = origin[0];
        mesh.originZ = origin[1];
        mesh.threeDS = verb == "mesh3ds";
        meshes.push_back(mesh);
        return true;
    }
    if (verb == "block") {
        float v[4];
        if (words.size() != 5 || !toFloats(words, 1, 4, v))
            return false;
        blocked.push_back({v[0], v[1], v[2], v[3]});
        return true;
    }
    if (verb == "node") {
        float v[2];
        if (words.size() != 4 || !toFloats(words, 2, 2, v))
            return false;
        waypoints.push_back({words[1], v[0], v[1]});
        return true;
    }
    if (verb == "link") {
        if (words.size() < 3)
            return false;
        for (size_t i = 1; i + 1 < words.size(); ++i)
            links.push_back({words[i], words[i + 1]});
        return true;
    }
    return readShape(words);
}

// floor  <texture> x0 z0 x1 z1 y
// panel  <texture> x0 z0 x1 z1 y0 y1        a picture standing on the line from (x0,z0) to (x1,z1)
// cross  <texture> x z width y0 y1           two crossed pictures (trees)
// box    <side> <top> x0 z0 x1 z1 y0 y1      furniture and walls: blocks the baker
// deco   <side> <top> x0 z0 x1 z1 y0 y1      the same shape, but walked under (lintels, lamps)
bool LevelDescription::readShape(const std::vector<std::string>& words) {
    if (meshes.empty())
        return false;
    const std::string& verb = words[0];
    Shape shape;
    float v[6];
    if (verb == "floor") {
        if (words.size() != 7 || !toFloats(words, 2, 5, v))
            return false;
        shape = {ShapeKind::Floor, words[1], words[1], v[0], v[1], v[2], v[3], v[4], v[4]};
    } else if (verb == "panel") {
        if (words.size() != 8 || !toFloats(words, 2, 6, v))
            return false;
        shape = {ShapeKind::Panel, words[1], words[1], v[0], v[1], v[2], v[3], v[4], v[5]};
    } else if (verb == "cross") {
        if (words.size() != 7 || !toFloats(words, 2, 5, v))
            return false;
        const float half = v[2] / 2;
        shape = {ShapeKind::Cross, words[1], words[1], v[0] - half, v[1] - half, v[0] + half, v[1] + half, v[3], v[4]};
    } else if (verb == "box" || verb == "deco") {
        if (words.size() != 9 || !toFloats(words, 3, 6, v))
            return false;
        shape = {ShapeKind::Box, words[1], words[2], v[0], v[1], v[2], v[3], v[4], v[5]};
        if (verb == "box")
            blocked.push_back({v[0], v[1], v[2], v[3]});
    } else {
        return false;
    }
    for (const std::string& texture : {shape.side, shape.top})
        if (!textures.count(texture)) {
            std::cerr << "unknown texture " << texture << "\n";
            return false;
        }
    meshes.back().shapes.push_back(shape);
    return true;
}

} // namespace LevelTool
