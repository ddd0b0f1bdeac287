// Builds the bakery level from bakery.level: every texture as a PNG, the .irrmesh and .3ds
// meshes, and with --world also the waypoint graph and collision grid files.
//   level <bakery.level> <runtime folder> [--world <folder>]
#include "LevelDescription.h"
#include "Mesh3dsWriter.h"
#include "MeshBuilder.h"
#include "TexturePainter.h"

#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"

#include <irrlicht.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>

using namespace LevelTool;
namespace fs = std::filesystem;

namespace {

const std::set<std::string> kCutOutPatterns = {"tree", "hedge", "bush", "flowers", "shrub", "window", "bottles"};

bool writeTextures(irr::video::IVideoDriver* driver, const LevelDescription& level, const fs::path& root,
                   std::set<std::string>& transparent) {
    for (const auto& [file, recipe] : level.textures) {
        TexturePainter painter(recipe.size, recipe.colour1, recipe.colour2, file);
        if (!painter.paint(recipe.pattern)) {
            std::cerr << "unknown pattern " << recipe.pattern << " for " << file << "\n";
            return false;
        }
        irr::video::IImage* image = driver->createImage(
            irr::video::ECF_A8R8G8B8, irr::core::dimension2du(recipe.size, recipe.size));
        for (int y = 0; y < recipe.size; ++y)
            for (int x = 0; x < recipe.size; ++x)
                image->setPixel(x, y, irr::video::SColor(painter.pixels()[y * recipe.size + x]));
        const fs::path target = root / file;
        fs::create_directories(target.parent_path());
        const bool written = driver->writeImageToFile(image, target.string().c_str());
        driver->addTexture(file.c_str(), image); // meshes refer to it by this relative name
        image->drop();
        if (!written) {
            std::cerr << "cannot write " << target << "\n";
            return false;
        }
        if (kCutOutPatterns.count(recipe.pattern))
            transparent.insert(file);
    }
    return true;
}

// Text as Irrlicht's XML writer encodes it: its wchar_t, little-endian (4 bytes each on Linux).
std::string wide(const std::string& ascii) {
    std::string encoded;
    for (const char c : ascii) {
        encoded += c;
        encoded.append(sizeof(wchar_t) - 1, '\0');
    }
    return encoded;
}

// Irrlicht's writer names an unused texture slot "0", and its reader then looks for a texture file
// called "0" for every slot of every material. An empty name is read back as no texture.
bool clearUnusedTextureSlots(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    for (int slot = 1; slot <= 4; ++slot) {
        const std::string name = "<texture name=\"Texture" + std::to_string(slot) + "\" value=\"";
        const std::string unused = wide(name + "0\""), empty = wide(name + "\"");
        for (size_t at = text.find(unused); at != std::string::npos; at = text.find(unused, at + empty.size()))
            text.replace(at, unused.size(), empty);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

bool writeMeshes(irr::IrrlichtDevice* device, const LevelDescription& level, const fs::path& root,
                 const std::set<std::string>& transparent) {
    irr::scene::ISceneManager* scene = device->getSceneManager();
    MeshBuilder builder(device->getVideoDriver(), level, transparent);
    irr::scene::IMeshWriter* irrWriter = scene->createMeshWriter(irr::scene::EMWT_IRR_MESH);
    bool ok = true;
    for (const MeshRecipe& recipe : level.meshes) {
        irr::scene::SMesh* mesh = builder.build(recipe);
        const fs::path target = root / recipe.file;
        fs::create_directories(target.parent_path());
        if (recipe.threeDS) {
            ok = Mesh3dsWriter::write(*mesh, target.string()) && ok;
        } else {
            irr::io::IWriteFile* file = device->getFileSystem()->createAndWriteFile(target.string().c_str());
            const bool written = file && irrWriter->writeMesh(file, mesh);
            if (file)
                file->drop();
            ok = written && clearUnusedTextureSlots(target) && ok;
        }
        mesh->drop();
        if (!ok)
            std::cerr << "cannot write " << target << "\n";
    }
    irrWriter->drop();
    return ok;
}

int cellFloor(float v) { return static_cast<int>(std::floor(v / Lumo::CollisionGrid::kCellSize)); }
int cellCeil(float v) { return static_cast<int>(std::ceil(v / Lumo::CollisionGrid::kCellSize)); }

bool writeWorld(const LevelDescription& level, const fs::path& folder) {
    fs::create_directories(folder);
    Lumo::CollisionGrid grid;
    for (const Area& area : level.blocked)
        for (int c = cellFloor(area.x0); c < cellCeil(area.x1); ++c)
            for (int r = cellFloor(area.z0); r < cellCeil(area.z1); ++r)
                grid.setCell(c, r, 1);

    Lumo::PathFinder graph;
    int id = 0;
    for (const Waypoint& point : level.waypoints)
        graph.addNode(irr::core::vector3df(point.x, 0.0f, point.z), point.name, id++);
    for (const auto& link : level.links) {
        const Lumo::PathNode* a = graph.findNode(link[0]);
        const Lumo::PathNode* b = graph.findNode(link[1]);
        if (!a || !b) {
            std::cerr << "link to an unknown node: " << link[0] << " - " << link[1] << "\n";
            return false;
        }
        graph.connect(a->id, b->id);
    }
    return grid.save((folder / "worldc.txt").string()) && graph.saveGraph((folder / "worldp.txt").string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--world")) {
        std::cerr << "usage: level <bakery.level> <runtime folder> [--world <folder>]\n";
        return 2;
    }
    LevelDescription level;
    if (!level.load(argv[1]))
        return 1;

    irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_NULL);
    if (!device)
        return 1;
    device->getLogger()->setLogLevel(irr::ELL_ERROR);
    std::set<std::string> transparent;
    bool ok = writeTextures(device->getVideoDriver(), level, argv[2], transparent) &&
              writeMeshes(device, level, argv[2], transparent);
    device->drop();
    if (ok && argc == 5)
        ok = writeWorld(level, argv[4]);
    return ok ? 0 : 1;
}
