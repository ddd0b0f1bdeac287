// The real game in its window with a save in the player's folder: it offers the saved morning, a key
// press continues it, and quitting mid-day keeps the save.
#include "NeedsDisplay.h"
#include "RunningProgram.h"
#include "RuntimeCopy.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

using namespace std::chrono_literals;

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

TEST(SavedGameWindowTest, ContinuingOpensTheSavedMorningAndQuittingMidDayKeepsTheSave) {
    SKIP_WITHOUT_DISPLAY();
    const PrivateDisplay display;
    ASSERT_TRUE(display.ready()) << display.log();
    const RuntimeCopy runtime{{"kornelo"}};
    const std::string realSave = readWholeFile(KORNELO_SOURCE_DIR "/fuzz/corpus/save_file/day12.sav");
    runtime.folder().write("kornelo.sav", realSave);
    // The save is only read: continuing, playing on and quitting mid-day leave it as it was.
    RunningProgram game(
        {(runtime.path() / "kornelo").string(), {}, "/", {display.variable(), "SDL_AUDIODRIVER=dummy"}});
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
    game.waitFor("no such line", 3s); // some of the day goes by before the desktop ends the game
    EXPECT_EQ(game.stop(), 0) << game.output();
    EXPECT_EQ(realSave, runtime.folder().read("kornelo.sav")) << "the morning stays saved until the next one";
}
