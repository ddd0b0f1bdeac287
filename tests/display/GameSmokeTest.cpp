// Starts the real game under the X server (Xvfb in CI) with OpenGL, lets it run, ends it.
#include "RunningProgram.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

TEST(GameSmokeTest, StartsWithOpenGLShowsItsStartUpLinesAndEndsCleanly) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
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
