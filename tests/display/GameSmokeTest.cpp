// Starts the real game under the X server (Xvfb in CI) with OpenGL, lets it run, ends it.
#include "NeedsDisplay.h"
#include "RunningProgram.h"
#include "RuntimeCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

TEST(GameSmokeTest, StartsWithOpenGLShowsItsStartUpLinesAndEndsCleanly) {
    SKIP_WITHOUT_DISPLAY();
    // Started from elsewhere on purpose: the game must find its own folder.
    RunningProgram game({KORNELO_RUNTIME_DIR "/kornelo", {}, "/", {}});
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitFor("TovarWorks engine is up and running.", 30s)) << game.output();
    EXPECT_TRUE(game.waitFor("Engine version: 0.3 Pre-Alpha", 5s)) << game.output();
    EXPECT_TRUE(game.waitFor("Language: 1 (English)", 5s)) << game.output();
    EXPECT_NE(game.output().find("Using renderer: OpenGL"), std::string::npos) << game.output();
    // Some frames of the main loop.
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(game.stop(), 0) << game.output();
    EXPECT_EQ(game.output().find("Either no upper or lower corner pixels"), std::string::npos)
        << "the console font must load";
}

TEST(GameSmokeTest, TheLogFileHoldsTheStartUpLinesAndThePreviousRunsLogSurvivesARestart) {
    SKIP_WITHOUT_DISPLAY();
    const RuntimeCopy runtime({"kornelo"});
    const auto play = [&](const char* size) {
        RunningProgram game({(runtime.path() / "kornelo").string(), {"--size", size}, "/", {}});
        ASSERT_TRUE(game.started());
        ASSERT_TRUE(game.waitFor("Window: ", 30s)) << game.output();
        EXPECT_EQ(game.stop(), 0) << game.output();
    };
    play("800x600");
    const std::string first = readWholeFile(runtime.folder().file("kornelo.log"));
    for (const char* line : {"TovarWorks engine is up and running.", "Engine version: 0.3 Pre-Alpha",
                             "Language: 1 (English)", "Window: 800x600, windowed"})
        EXPECT_NE(first.find(line), std::string::npos) << line << " in\n" << first;

    play("640x480");
    EXPECT_EQ(readWholeFile(runtime.folder().file("kornelo-previous.log")), first);
    EXPECT_NE(readWholeFile(runtime.folder().file("kornelo.log")).find("Window: 640x480"), std::string::npos);
}

// Irrlicht's own vsync request ended the game with an X error on servers without swap control.
TEST(GameSmokeTest, AskingForVsyncNeverEndsTheGame) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    const RuntimeCopy runtime({"kornelo"});
    runtime.folder().write("settings.ini", "[graphics]\nvsync=true\nmaxfps=0\n");
    RunningProgram game({(runtime.path() / "kornelo").string(), {}, "/", {}});
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(game.waitFor("vsync: ", 30s)) << game.output();
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(game.stop(), 0) << game.output();
}
