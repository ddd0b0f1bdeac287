#pragma once
// Stands in for the story until its sequences exist: a new game goes straight to the state the
// intro ends in (the baker at the counter, the HUD shown, the clock on, the player in control);
// the ending, the letter and the talks show nothing.
#include "src_lumo/Game/StoryScripts.h"

namespace Lumo {

class SkippedIntroStory : public StoryScripts {
public:
    static constexpr unsigned kFadeInMillis = 2000;

    void intro(const std::shared_ptr<LumoVisual>& visual) override;
    void ending(const std::shared_ptr<LumoVisual>&) override {}
    void letter(const std::shared_ptr<LumoVisual>&) override {}
    void merchantTalk(const std::shared_ptr<LumoVisual>&) override {}
    void barmanTalk(const std::shared_ptr<LumoVisual>&) override {}
};

} // namespace Lumo
