// A game stopped right after a morning's save and continued from the file by a fresh game ends as
// the game that was never stopped: the same money to the unit, the same popularity, "you win!".
// The ending then takes the save away.
#include "TempDir.h"
#include "WinningDays.h"

#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Save/SaveSlot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace Lumo;
namespace fs = std::filesystem;

namespace {

// The fewest frames of the lengths the whole game is played at.
constexpr double kFrameMillis = 50.0;

// One run of the program: the game, the hands that play it, and its save in the player's folder.
struct Session {
    explicit Session(const fs::path& saveFile) {
        ScriptedPlayOptions options;
        options.skipIntro = false;
        options.frameMillis = kFrameMillis;
        options.saveFile = saveFile.string();
        play = std::make_unique<ScriptedPlay>(options);
        reader = std::make_unique<DialogueReader>(*play);
        baker = std::make_unique<Baker>(*play, *reader);
        days = std::make_unique<WinningDays>(*play, *reader, *baker);
    }
    ~Session() {
        days.reset();
        baker.reset();
        reader.reset();
        play.reset();
    }

    std::unique_ptr<ScriptedPlay> play;
    std::unique_ptr<DialogueReader> reader;
    std::unique_ptr<Baker> baker;
    std::unique_ptr<WinningDays> days;
};

struct Outcome {
    int32_t money = 0;
    float popularity = 0.0f;
};

Outcome outcome() { return {gGameData->world.money, gGameData->world.flagsAndPopularity.popularity}; }

} // namespace

class ContinuedGame : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 0); }

    TempDir uninterruptedFolder;
    TempDir continuedFolder;
    const fs::path kept = continuedFolder.path() / SaveSlot::kFileName;
};

TEST_P(ContinuedGame, EndsAsTheGameThatWasNeverStopped) {
    const int stopDay = GetParam();
    Outcome whole;
    {
        Session session(uninterruptedFolder.path() / SaveSlot::kFileName);
        ASSERT_TRUE(session.play->isReady());
        ASSERT_NO_FATAL_FAILURE(session.days->playIntro());
        for (int day = 1; day <= WorldState::kLastDay; ++day) {
            if (day == stopDay)
                fs::copy_file(uninterruptedFolder.path() / SaveSlot::kFileName, kept);
            ASSERT_NO_FATAL_FAILURE(session.days->playDay(day));
        }
        ASSERT_NO_FATAL_FAILURE(session.days->ending("you win!", {"ED_1_W_1", "ED_1_W2"}));
        whole = outcome();
    }
    ASSERT_TRUE(fs::exists(kept)) << "no save on the morning of day " << stopDay;

    Session session(kept);
    ASSERT_TRUE(session.play->isReady());
    GameMenue& menu = session.play->getLogic().getMenu();
    ASSERT_EQ(stopDay, menu.getSavedDay());
    ASSERT_EQ(GameMenue::ENTRY_CONTINUE, menu.getSelection());
    session.play->tap(irr::KEY_SPACE);
    const LumoGameLogic& logic = session.play->getLogic();
    ASSERT_TRUE(session.baker->waitFor([&] { return logic.isGameStarted() && logic.hasPlayerControl(); }, 20000))
        << "continue did not open the saved morning";
    for (int day = stopDay; day <= WorldState::kLastDay; ++day)
        ASSERT_NO_FATAL_FAILURE(session.days->playDay(day));
    const Outcome continued = outcome();
    EXPECT_EQ(whole.money, continued.money);
    EXPECT_EQ(whole.popularity, continued.popularity);
    ASSERT_NO_FATAL_FAILURE(session.days->ending("you win!", {"ED_1_W_1", "ED_1_W2"}));

    ASSERT_TRUE(session.play->runUntil([&] { return menu.isOpen(); }, session.baker->frames(800000)))
        << "the ending never returned to the title";
    EXPECT_FALSE(fs::exists(kept)) << "the story is over, its save stays";
    EXPECT_TRUE(menu.isContinueDisabled());
}

INSTANTIATE_TEST_SUITE_P(Mornings, ContinuedGame, ::testing::Values(1, 5, 12),
                         [](const ::testing::TestParamInfo<int>& info) { return "Day" + std::to_string(info.param); });
