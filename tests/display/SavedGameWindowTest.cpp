// The real game in its window with a save in the player's folder: it offers the saved morning,
// quitting keeps the save, and a damaged one is told and kept aside.
#include "RunningProgram.h"
#include "RuntimeCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class SavedGameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    }
    // Starts the game, waits for the line, ends it as a desktop session would.
    void play(const std::string& line) {
        RunningProgram game({(runtime.path() / "kornelo").string(), {}, "/", {"SDL_AUDIODRIVER=dummy"}});
        ASSERT_TRUE(game.started());
        EXPECT_TRUE(game.waitFor(line, 30s)) << game.output();
        EXPECT_EQ(game.stop(), 0) << game.output();
    }

    const RuntimeCopy runtime{{"kornelo"}};
    const fs::path save = runtime.path() / "kornelo.sav";
    const std::string realSave = readWholeFile(KORNELO_SOURCE_DIR "/fuzz/corpus/save_file/day12.sav");
};

TEST_F(SavedGameWindowTest, TheSavedMorningIsOfferedAgainAfterTheGameWasEnded) {
    runtime.folder().write("kornelo.sav", realSave);
    ASSERT_NO_FATAL_FAILURE(play("Saved game: day 12"));
    ASSERT_NO_FATAL_FAILURE(play("Saved game: day 12"));
    EXPECT_EQ(realSave, readWholeFile(save.string()));
}

TEST_F(SavedGameWindowTest, ADamagedSaveIsToldAndKeptAside) {
    const std::string cut = realSave.substr(0, realSave.size() / 2);
    runtime.folder().write("kornelo.sav", cut);
    ASSERT_NO_FATAL_FAILURE(play("is damaged (the file is cut off)"));
    EXPECT_FALSE(fs::exists(save));
    EXPECT_EQ(cut, readWholeFile(runtime.folder().file("kornelo.sav.damaged")));
}
