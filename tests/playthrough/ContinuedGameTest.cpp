// A game stopped right after a morning's save and continued from the file by a fresh game ends as
// the game that was never stopped: the same money to the unit, the same popularity, "you win!".
// The ending then takes the save away.
#include "TempDir.h"
#include "WinningDays.h"

#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Save/SaveSlot.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace Lumo;
namespace fs = std::filesystem;

// The fewest frames of the lengths the whole game is played at.
constexpr double kFrameMillis = 50.0;

class ContinuedGame : public ::testing::TestWithParam<int> {
protected:
    TempDir uninterruptedFolder;
    TempDir continuedFolder;
    const fs::path save = uninterruptedFolder.path() / SaveSlot::kFileName;
    const fs::path kept = continuedFolder.path() / SaveSlot::kFileName;
};

TEST_P(ContinuedGame, EndsAsTheGameThatWasNeverStopped) {
    const int stopDay = GetParam();
    int32_t money = 0;
    float popularity = 0.0f;
    {
        WinningDays whole(kFrameMillis, save.string());
        ASSERT_TRUE(whole.play.isReady());
        ASSERT_NO_FATAL_FAILURE(whole.playIntro());
        ASSERT_NO_FATAL_FAILURE(whole.playDays(1, stopDay - 1));
        std::error_code error;
        ASSERT_TRUE(fs::copy_file(save, kept, error)) << "no save on the morning of day " << stopDay;
        ASSERT_NO_FATAL_FAILURE(whole.playDays(stopDay));
        ASSERT_NO_FATAL_FAILURE(whole.ending(true));
        money = whole.world().money;
        popularity = whole.popularity();
    }

    WinningDays continued(kFrameMillis, kept.string());
    ASSERT_TRUE(continued.play.isReady());
    GameMenue& menu = continued.play.getLogic().getMenu();
    ASSERT_EQ(stopDay, menu.getSavedDay());
    ASSERT_EQ(GameMenue::ENTRY_CONTINUE, menu.getSelection());
    continued.play.tap(irr::KEY_SPACE);
    const LumoGameLogic& logic = continued.play.getLogic();
    ASSERT_TRUE(continued.baker.waitFor([&] { return logic.isGameStarted() && logic.hasPlayerControl(); }, 20000))
        << "continue did not open the saved morning";
    ASSERT_NO_FATAL_FAILURE(continued.playDays(stopDay));
    EXPECT_EQ(money, continued.world().money);
    EXPECT_EQ(popularity, continued.popularity());
    ASSERT_NO_FATAL_FAILURE(continued.ending(true));

    ASSERT_TRUE(continued.play.runUntil([&] { return menu.isOpen(); }, continued.baker.frames(800000)))
        << "the ending never returned to the title";
    EXPECT_FALSE(fs::exists(kept)) << "the story is over, its save stays";
    EXPECT_TRUE(menu.isContinueDisabled());
}

INSTANTIATE_TEST_SUITE_P(Mornings, ContinuedGame, ::testing::Values(1, 5, 12),
                         [](const ::testing::TestParamInfo<int>& info) { return "Day" + std::to_string(info.param); });
