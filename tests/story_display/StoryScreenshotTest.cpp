// A page of the intro under OpenGL, compared with a kept reference: the dialogue box, the name
// plate and the typed text over the warm light of the memory. Needs an X server (the suite runs
// under xvfb-run); without DISPLAY the case is skipped.
#include "GoldenImage.h"
#include "NeedsDisplay.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <memory>

TEST(StoryScreenshot, TheFirstPageOfTheIntro) {
    SKIP_WITHOUT_DISPLAY();
    Lumo::ScriptedPlayOptions options;
    options.driver = irr::video::EDT_OPENGL;
    options.skipIntro = false;
    const auto play = std::make_unique<Lumo::ScriptedPlay>(options);
    ASSERT_TRUE(play->isReady()) << "OpenGL did not start on the X display";
    play->chooseNewGame();
    const auto firstPageTyped = [&play] {
        const auto& boxes = play->getLogic().getVisual()->getTextBoxes().getBoxes();
        return !boxes.empty() && boxes.front()->isShown() && boxes.front()->isPageComplete();
    };
    ASSERT_TRUE(play->runUntil(firstPageTyped, 2000));
    // Let the last letters settle into place.
    play->runFrames(10);
    irr::video::IImage* shot = play->screenshot();
    ASSERT_NE(nullptr, shot);
    GoldenTolerance tolerance;
    tolerance.channel = 24; // the warm light blends a little differently by driver; a letter is still far off
    const GoldenResult result =
        GoldenImage::forArea(TovarWorks::gDevice->getVideoDriver(), "story").compare(shot, "intro_first_page", tolerance);
    shot->drop();
    EXPECT_TRUE(result.passed) << result.message;
}
