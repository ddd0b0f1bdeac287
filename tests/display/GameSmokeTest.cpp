// Starts the real game under the X server (Xvfb in CI) with OpenGL, lets it run, ends it.
#include "NeedsDisplay.h"
#include "RunningProgram.h"
#include "RuntimeCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

// Started from elsewhere on purpose: the game must find its own folder. Irrlicht's own vsync
// request ended the game with an X error on servers without swap control.
TEST(GameSmokeTest, StartsWithOpenGLInTheWindowAskedForLogsItsStartKeepsThePreviousLogAndSurvivesVsync) {
    SKIP_WITHOUT_DISPLAY();
    const RuntimeCopy runtime({"kornelo"});
    const auto play = [&](const std::vector<std::string>& arguments, const char* line) {
        RunningProgram game({(runtime.path() / "kornelo").string(), arguments, "/", {}});
        ASSERT_TRUE(game.started());
        ASSERT_TRUE(game.waitFor(line, 30s)) << game.output();
        std::this_thread::sleep_for(1500ms); // some frames of the main loop
        EXPECT_EQ(game.stop(), 0) << game.output();
        EXPECT_NE(game.output().find("Using renderer: OpenGL"), std::string::npos) << game.output();
        EXPECT_EQ(game.output().find("Either no upper or lower corner pixels"), std::string::npos)
            << "the console font must load";
    };
    // Window options change this run but not the settings file.
    const std::string chosen = "music=0\nfullscreen=true\nresx=1280\nresy=720\n";
    const std::string settings = runtime.folder().write("settings.ini", chosen);
    play({"--size", "800x600", "--windowed"}, "TovarWorks engine is up and running.");
    EXPECT_EQ(readWholeFile(settings), chosen);
    const std::string first = readWholeFile(runtime.folder().file("kornelo.log"));
    for (const char* line : {"TovarWorks engine is up and running.", "Engine version: 0.3 Pre-Alpha",
                             "Language: 1 (English)", "Window: 800x600, windowed"})
        EXPECT_NE(first.find(line), std::string::npos) << line << " in\n" << first;

    runtime.folder().write("settings.ini", "[graphics]\nvsync=true\nmaxfps=0\n");
    play({"--size", "640x480"}, "vsync: ");
    EXPECT_EQ(readWholeFile(runtime.folder().file("kornelo-previous.log")), first);
    EXPECT_NE(readWholeFile(runtime.folder().file("kornelo.log")).find("Window: 640x480"), std::string::npos);
}
