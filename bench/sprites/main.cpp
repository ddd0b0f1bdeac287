// Prints the time to load every shipped sprite definition (the game does it once at start-up)
// and, per definition, the quads of the merged pixel faces against one quad per visible pixel.
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Sprites/FileLoader.h"
#include "src_lumo/Sprites/SpriteDefinitionFiles.h"
#include "TovarWorks/TovarDevice.h"

#include <irrlicht.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// Visible pixels of a frame: the area its face rectangles cover.
std::size_t visiblePixels(const Lumo::VisualCharacterFrame& frame)
{
    std::size_t pixels = 0;
    for (const Lumo::QuadMesh::Chunk& chunk : frame.getFrontMesh().chunks())
        for (std::size_t q = 0; q + 3 < chunk.vertices.size(); q += 4) {
            const irr::core::vector3df& a = chunk.vertices[q].Pos;
            const irr::core::vector3df& c = chunk.vertices[q + 2].Pos;
            pixels += static_cast<std::size_t>(std::abs(c.X - a.X) * std::abs(c.Y - a.Y) + 0.5f);
        }
    return pixels;
}

double loadAllMs()
{
    Lumo::FileLoader store;
    const auto start = std::chrono::steady_clock::now();
    Lumo::loadSpriteDefinitions(store);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main()
{
    if (chdir(KORNELO_RUNTIME_DIR) != 0) {
        std::fprintf(stderr, "cannot enter %s\n", KORNELO_RUNTIME_DIR);
        return 1;
    }
    TovarWorks::gDevice = new TovarWorks::TovarDevice();
    TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
    if (!TovarWorks::gDevice->init(640, 360, false, irr::video::EDT_NULL))
        return 1;
    TovarWorks::gDevice->getIrrlichtDevice()->getLogger()->setLogLevel(irr::ELL_NONE);

    constexpr int kRuns = 5;
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run)
        times.push_back(loadAllMs());
    std::sort(times.begin(), times.end());
    std::printf("Loading all %zu definition files: median %.1f ms, best %.1f ms (%d runs, null driver)\n",
                Lumo::kSpriteDefinitionFiles.size(), times[kRuns / 2], times.front(), kRuns);

    Lumo::FileLoader store;
    Lumo::loadSpriteDefinitions(store);
    std::printf("\n%-18s %7s %12s %12s %8s %10s\n", "definition", "frames", "merged quads", "pixel quads",
                "ratio", "wall quads");
    std::size_t totalMerged = 0, totalPixels = 0, totalWalls = 0;
    for (const auto& [name, definition] : store.getDefinitions()) {
        std::size_t merged = 0, pixels = 0, walls = 0;
        for (const auto& entry : definition->getFrames()) {
            merged += entry.second->getFrontMesh().quadCount();
            pixels += visiblePixels(*entry.second);
            walls += entry.second->getEdgeMesh().quadCount();
        }
        totalMerged += merged, totalPixels += pixels, totalWalls += walls;
        std::printf("%-18ls %7zu %12zu %12zu %7.1f%% %10zu\n", name.c_str(), definition->getFrames().size(), merged,
                    pixels, pixels ? 100.0 * merged / pixels : 0.0, walls);
    }
    std::printf("%-18s %7s %12zu %12zu %7.1f%% %10zu\n", "all", "", totalMerged, totalPixels,
                totalPixels ? 100.0 * totalMerged / totalPixels : 0.0, totalWalls);

    delete TovarWorks::gDevice;
    return 0;
}
