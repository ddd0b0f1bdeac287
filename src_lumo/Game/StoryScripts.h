#pragma once
// The scripted story as the logic starts it. The story sequences implement it.
#include <memory>

namespace Lumo {

class LumoVisual;

class StoryScripts {
public:
    virtual ~StoryScripts() = default;
    virtual void intro(const std::shared_ptr<LumoVisual>& visual) = 0;
    virtual void ending(const std::shared_ptr<LumoVisual>& visual) = 0;
    virtual void letter(const std::shared_ptr<LumoVisual>& visual) = 0;
    virtual void merchantTalk(const std::shared_ptr<LumoVisual>& visual) = 0;
    virtual void barmanTalk(const std::shared_ptr<LumoVisual>& visual) = 0;
};

} // namespace Lumo
