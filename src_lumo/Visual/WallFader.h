#pragma once
// Fades the walls between the camera and the baker: once she stands behind a wall's line it fades
// out over half a second, and back in when she steps in front of it again.
#include <irrlicht.h>

#include <cstdint>
#include <vector>

namespace Lumo {

class WallFader {
public:
    static constexpr float kFadePerMs = 0.002f;

    void addWall(irr::scene::ISceneNode* node, float threshold);
    // Starts a fade for every wall whose line the baker has crossed since the last call.
    void follow(const irr::core::vector3df& heroPosition);
    // Moves every running fade on and writes the opacity into the walls' materials.
    void update(uint32_t elapsedMs);

    size_t runningFades() const { return fades.size(); }
    // How many fades have been started since construction.
    uint32_t startedFades() const { return started; }
    float opacity(size_t wall) const { return walls[wall].opacity; }
    bool isFaded(size_t wall) const { return walls[wall].faded; }
    bool isFadingWall(const irr::scene::ISceneNode* node) const;

private:
    struct Wall {
        irr::scene::ISceneNode* node;
        float threshold;
        bool faded = false;
        float opacity = 1.0f;
    };
    struct FadeObject {
        size_t wall;
        bool fadingOut;
    };

    void startFade(size_t wall, bool fadingOut);
    static void writeOpacity(irr::scene::ISceneNode* node, float opacity);

    std::vector<Wall> walls;
    std::vector<FadeObject> fades;
    uint32_t started = 0;
};

} // namespace Lumo
