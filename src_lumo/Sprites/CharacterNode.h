#pragma once
// The scene node of a sprite: plays the animations of one definition and draws the current
// frame as an extruded slab, side walls first, then the pixel face.
#include <irrlicht.h>

#include <string>

namespace Lumo {

class SpriteDefinition;
class VisualCharacterFrame;
struct SpriteAnimation;

class CharacterNode : public irr::scene::ISceneNode {
public:
    // Face and edge materials are the shader materials "cuboldShader" and "edgeShader".
    CharacterNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* manager,
                  const SpriteDefinition& definition, irr::s32 id = -1);

    void OnRegisterSceneNode() override;
    void render() override;
    const irr::core::aabbox3df& getBoundingBox() const override;
    irr::video::SMaterial& getMaterial(irr::u32 i) override;
    irr::u32 getMaterialCount() const override { return 1; }

    // Shows the frame of that name, or nothing when the definition has none.
    void setFrame(const std::wstring& frameName);
    // Plays the animation of that name from the next frame advance; an unknown or empty one
    // shows nothing. The frame index carries over.
    void setAnimation(const std::wstring& animationName, bool loop);
    bool isFinished() const { return finished; }
    void setHideEdge(bool hide) { hideEdge = hide; }
    bool isEdgeHidden() const { return hideEdge; }
    void setSmoothRotation(bool on, const irr::core::vector3df& target);
    // A batched node is drawn (and stepped) by its SpriteBatchNode instead of by itself.
    void setBatched(bool on) { batched = on; }
    bool isBatched() const { return batched; }

    // The per-draw steps, driven by the last frame's milliseconds.
    void advanceAnimation(double elapsedMs);
    void easeRotation(float elapsedMs);
    // Both, by the device's last frame: what each draw does first.
    void stepByLastFrame();

    const SpriteDefinition& getDefinition() const { return *definition; }
    // Dresses the node in another definition: the same frame and animation by name, if it has them.
    void setDefinition(const SpriteDefinition& newDefinition);
    const VisualCharacterFrame* getCurrentFrame() const { return currentFrame; }
    const SpriteAnimation* getCurrentAnimation() const { return currentAnimation; }
    irr::video::SMaterial& getEdgeMaterial() { return edgeMaterial; }

private:
    void showFrame(const VisualCharacterFrame* frame);

    const SpriteDefinition* definition;
    const VisualCharacterFrame* currentFrame = nullptr;
    const SpriteAnimation* currentAnimation = nullptr;
    int frameIndex = 0;
    bool looping = true;
    bool finished = false;
    double frameTimer = 0.0;
    bool smoothRotation = false;
    irr::core::vector3df targetRotation;
    bool hideEdge = false;
    bool batched = false;
    irr::video::SMaterial faceMaterial;
    irr::video::SMaterial edgeMaterial;
};

} // namespace Lumo
