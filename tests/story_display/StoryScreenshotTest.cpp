// A page of the intro under OpenGL, compared with a kept reference: the dialogue box, the name
// plate and the typed text over the warm light of the memory. Needs an X server (the suite runs
// under xvfb-run); without DISPLAY the case is skipped.
#include "GoldenImage.h"
#include "NeedsDisplay.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
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
    std::unique_ptr<Lumo::ScriptedPlay> play;
    ASSERT_TRUE(openWhileTheServerCatchesUp([&] {
        play.reset();
        play = std::make_unique<Lumo::ScriptedPlay>(options);
        return play->isReady();
    })) << "OpenGL did not start on the X display";
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
    irr::video::IVideoDriver* driver = TovarWorks::gDevice->getVideoDriver();
    const GoldenImage references = GoldenImage::forArea(driver, "story");
    // The scene behind: a wall's edge may fall a pixel apart by compiler, as in the game's pictures.
    GoldenTolerance scene;
    scene.channel = 24; // the warm light blends a little differently by driver
    scene.differentPixels = 1500;
    const GoldenResult whole = references.compare(shot, "intro_first_page", scene);
    EXPECT_TRUE(whole.passed) << whole.message;
    // The name plate and the box with its text, strictly: one missing letter fails.
    const irr::core::recti text = Lumo::gGameData->interfaceView.toPixels(irr::core::rectf(40, 215, 580, 360));
    irr::video::IImage* textArea = driver->createImage(
        irr::video::ECF_A8R8G8B8, irr::core::dimension2du(text.getWidth(), text.getHeight()));
    shot->copyTo(textArea, irr::core::position2di(0, 0), text);
    GoldenTolerance letters;
    letters.channel = 24;
    const GoldenResult box = references.compare(textArea, "intro_first_page_text", letters);
    EXPECT_TRUE(box.passed) << box.message;
    textArea->drop();
    shot->drop();
}
