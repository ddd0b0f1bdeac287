// The editor in path mode over the bakery, under OpenGL: the waypoints' spheres must show.
#include "NeedsDisplay.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(EditorScreenshot, PathModeShowsTheWaypointsOverTheBakery) {
    SKIP_WITHOUT_DISPLAY();
    Lumo::ScriptedPlayOptions options;
    options.driver = irr::video::EDT_OPENGL;
    Lumo::ScriptedPlay play(options);
    ASSERT_TRUE(play.isReady()) << "OpenGL did not start on the X display";
    ASSERT_TRUE(play.startNewGame());
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    play.tap(irr::KEY_F5);
    play.runFrames(3);

    irr::video::IImage* shot = play.screenshot();
    ASSERT_NE(nullptr, shot);
    const std::string folder = KORNELO_RUNTIME_DIR "/../screenshots";
    std::filesystem::create_directories(folder);
    TovarWorks::gDevice->getVideoDriver()->writeImageToFile(shot, (folder + "/editor_path_mode.png").c_str());

    // Waypoint spheres are pure dark blue (0, 0, 200); nothing else in the bakery is.
    int spherePixels = 0;
    for (irr::u32 y = 0; y < shot->getDimension().Height; ++y)
        for (irr::u32 x = 0; x < shot->getDimension().Width; ++x) {
            const irr::video::SColor c = shot->getPixel(x, y);
            spherePixels += c.getRed() < 20 && c.getGreen() < 20 && c.getBlue() > 170;
        }
    shot->drop();
    EXPECT_GT(spherePixels, 30);
    EXPECT_EQ(play.getLogic().getVisual()->getEditor().getMode(), Lumo::WorldEditor::PATH_MODE);
}
