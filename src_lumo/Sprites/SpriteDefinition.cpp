#include "src_lumo/Sprites/SpriteDefinition.h"

namespace Lumo {

const VisualCharacterFrame* SpriteDefinition::findFrame(const std::wstring& frameName) const
{
    const auto found = frames.find(frameName);
    return found == frames.end() ? nullptr : found->second.get();
}

const SpriteAnimation* SpriteDefinition::findAnimation(const std::wstring& animationName) const
{
    const auto found = animations.find(animationName);
    return found == animations.end() ? nullptr : found->second.get();
}

SpriteAnimation& SpriteDefinition::getOrCreateAnimation(const std::wstring& animationName)
{
    std::unique_ptr<SpriteAnimation>& slot = animations[animationName];
    if (!slot) {
        slot = std::make_unique<SpriteAnimation>();
        slot->name = animationName;
    }
    return *slot;
}

VisualCharacterFrame& SpriteDefinition::addFrame(std::unique_ptr<VisualCharacterFrame> frame)
{
    std::unique_ptr<VisualCharacterFrame>& slot = frames[frame->getName()];
    if (slot)
        replacedFrames.push_back(std::move(slot));
    slot = std::move(frame);
    return *slot;
}

} // namespace Lumo
