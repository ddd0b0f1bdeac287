// The real game in its window with a save in the player's folder: it offers the saved morning, a key
// press continues it, quitting mid-day keeps the save, and a damaged one is told and kept aside.
#include "RunningProgram.h"
#include "RuntimeCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// An X server of the test's own, so its key presses reach this game's window and no other test's.
class PrivateDisplay {
public:
    PrivateDisplay() {
        // Xvfb picks a free display and writes its number once it takes clients.
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (running && number.empty() && std::chrono::steady_clock::now() < deadline) {
            running = server.waitForExit(200ms) == -1;
            std::istringstream lines(server.output());
            for (std::string line; std::getline(lines, line) && !lines.eof();)
                if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos)
                    number = line;
        }
    }
    ~PrivateDisplay() {
        if (running)
            server.stop();
    }

    bool ready() const { return !number.empty(); }
    std::string variable() const { return "DISPLAY=:" + number; }
    const std::string& log() const { return server.output(); }

private:
    RunningProgram server{{"/usr/bin/Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}}};
    bool running = server.started();
    std::string number;
};

} // namespace

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

TEST_F(SavedGameWindowTest, ContinuingOpensTheSavedMorningAndQuittingMidDayKeepsTheSave) {
    const PrivateDisplay display;
    ASSERT_TRUE(display.ready()) << display.log();
    runtime.folder().write("kornelo.sav", realSave);
    {
        RunningProgram game({(runtime.path() / "kornelo").string(), {}, "/",
                             {display.variable(), "SDL_AUDIODRIVER=dummy"}});
        ASSERT_TRUE(game.started());
        ASSERT_TRUE(game.waitFor("Saved game: day 12", 30s)) << game.output();
        // "continue" is chosen already; the title may still be fading in, so a press can go unheard.
        bool continued = false;
        for (int press = 0; press < 4 && !continued; ++press) {
            RunningProgram keys({"/usr/bin/xdotool",
                                 {"search", "--sync", "--name", "Kornelo", "key", "--window", "%1", "space"},
                                 "/",
                                 {display.variable()}});
            ASSERT_EQ(keys.waitForExit(20s), 0) << keys.output();
            continued = game.waitFor("Day 12 begins, continued from the save", 10s);
        }
        ASSERT_TRUE(continued) << game.output();
        EXPECT_EQ(std::string::npos, game.output().find("Day 1 begins")) << "no new game was started";
        // Some of the day goes by before the desktop ends the game.
        game.waitFor("no such line", 3s);
        EXPECT_EQ(game.stop(), 0) << game.output();
    }
    EXPECT_EQ(realSave, readWholeFile(save.string())) << "the morning stays saved until the next one";
    ASSERT_NO_FATAL_FAILURE(play("Saved game: day 12"));
}

TEST_F(SavedGameWindowTest, ADamagedSaveIsToldAndKeptAside) {
    const std::string cut = realSave.substr(0, realSave.size() / 2);
    runtime.folder().write("kornelo.sav", cut);
    ASSERT_NO_FATAL_FAILURE(play("is damaged (the file is cut off)"));
    EXPECT_FALSE(fs::exists(save));
    EXPECT_EQ(cut, readWholeFile(runtime.folder().file("kornelo.sav.damaged")));
}
