#pragma once
// For scripted play that is not about the intro: a new game goes straight to the state the intro
// ends in (the baker at the counter, the HUD shown, the clock on, the player in control); the
// rest of the story is the real one it wraps.
#include "src_lumo/Game/StoryScripts.h"

namespace Lumo {

class SkippedIntroStory : public StoryScripts {
public:
    static constexpr unsigned kFadeInMillis = 2000;

    explicit SkippedIntroStory(std::shared_ptr<StoryScripts> story) : story(std::move(story)) {}

    void intro(const std::shared_ptr<LumoVisual>& visual) override;
    void ending(const std::shared_ptr<LumoVisual>& visual) override { story->ending(visual); }
    void letter(const std::shared_ptr<LumoVisual>& visual) override { story->letter(visual); }
    void merchantTalk(const std::shared_ptr<LumoVisual>& visual) override { story->merchantTalk(visual); }
    void barmanTalk(const std::shared_ptr<LumoVisual>& visual) override { story->barmanTalk(visual); }

private:
    std::shared_ptr<StoryScripts> story;
};

} // namespace Lumo
