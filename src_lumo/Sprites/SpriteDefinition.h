#pragma once
// One sprite as read from a definition file: its frames, its animations and how fast they play.
#include "src_lumo/Sprites/SpriteAnimation.h"
#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <irrlicht.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Lumo {

class SpriteDefinition {
public:
    static constexpr float kDefaultFrameSpeed = 120.f; // ms per frame when the file gives none

    explicit SpriteDefinition(std::wstring name) : name(std::move(name)) {}
    SpriteDefinition(const SpriteDefinition&) = delete;
    SpriteDefinition& operator=(const SpriteDefinition&) = delete;

    const std::wstring& getName() const { return name; }

    // Null when absent.
    const VisualCharacterFrame* findFrame(const std::wstring& frameName) const;
    const SpriteAnimation* findAnimation(const std::wstring& animationName) const;
    SpriteAnimation& getOrCreateAnimation(const std::wstring& animationName);

    // A frame replacing one of the same name keeps the old one alive: animations and nodes may
    // still point at it.
    VisualCharacterFrame& addFrame(std::unique_ptr<VisualCharacterFrame> frame);

    const std::map<std::wstring, std::unique_ptr<VisualCharacterFrame>>& getFrames() const { return frames; }
    const std::map<std::wstring, std::unique_ptr<SpriteAnimation>>& getAnimations() const { return animations; }

    float frameSpeed = kDefaultFrameSpeed;
    float offset = 0.f;
    irr::core::vector2di center{0, 0};

private:
    std::wstring name;
    std::map<std::wstring, std::unique_ptr<VisualCharacterFrame>> frames;
    std::map<std::wstring, std::unique_ptr<SpriteAnimation>> animations;
    std::vector<std::unique_ptr<VisualCharacterFrame>> replacedFrames;
};

} // namespace Lumo
