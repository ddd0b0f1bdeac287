#include "src_lumo/Visual/WallFader.h"

#include <algorithm>

namespace Lumo {

void WallFader::addWall(irr::scene::ISceneNode* node, float threshold) {
    walls.push_back(Wall{node, threshold});
    writeOpacity(node, 1.0f);
}

bool WallFader::isFadingWall(const irr::scene::ISceneNode* node) const {
    return std::any_of(walls.begin(), walls.end(), [node](const Wall& wall) { return wall.node == node; });
}

void WallFader::follow(const irr::core::vector3df& heroPosition) {
    for (size_t i = 0; i < walls.size(); ++i) {
        Wall& wall = walls[i];
        const bool behind = heroPosition.Z > wall.threshold;
        if (behind != wall.faded) {
            wall.faded = behind;
            startFade(i, behind);
        }
    }
}

void WallFader::startFade(size_t wall, bool fadingOut) {
    // A new fade replaces one still running on the same wall, from the opacity reached so far.
    fades.erase(std::remove_if(fades.begin(), fades.end(), [wall](const FadeObject& f) { return f.wall == wall; }),
                fades.end());
    fades.push_back(FadeObject{wall, fadingOut});
    ++started;
}

void WallFader::update(uint32_t elapsedMs) {
    const float step = static_cast<float>(elapsedMs) * kFadePerMs;
    for (auto fade = fades.begin(); fade != fades.end();) {
        Wall& wall = walls[fade->wall];
        wall.opacity = fade->fadingOut ? std::max(0.0f, wall.opacity - step) : std::min(1.0f, wall.opacity + step);
        writeOpacity(wall.node, wall.opacity);
        const bool done = fade->fadingOut ? wall.opacity <= 0.0f : wall.opacity >= 1.0f;
        fade = done ? fades.erase(fade) : fade + 1;
    }
}

void WallFader::writeOpacity(irr::scene::ISceneNode* node, float opacity) {
    if (!node)
        return;
    for (irr::u32 i = 0; i < node->getMaterialCount(); ++i)
        node->getMaterial(i).MaterialTypeParam2 = opacity;
}

} // namespace Lumo
