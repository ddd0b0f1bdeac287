// In a real window (OpenGL under the X server): German chosen on the options screen, then a new
// game, and the intro speaks German. It runs in a private copy of the runtime folder, because
// leaving the options writes settings.ini.
#include "RuntimeCopy.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

TEST(LanguageSwitchWindowTest, GermanChosenInTheOptionsGivesAGermanIntroAndIsKept) {
    const RuntimeCopy runtime;
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(runtime.path());
    {
        Lumo::ScriptedPlayOptions options;
        options.driver = irr::video::EDT_OPENGL;
        options.skipIntro = false;
        Lumo::ScriptedPlay play(options);
        if (!play.isReady()) {
            std::filesystem::current_path(previous);
            GTEST_SKIP() << "no OpenGL display";
        }
        play.tap(irr::KEY_DOWN); // from "new" to "options"
        play.tap(irr::KEY_SPACE);
        for (int row = 0; row < Lumo::GameMenue::OPTION_LANGUAGE; ++row)
            play.tap(irr::KEY_DOWN);
        play.tap(irr::KEY_RIGHT);
        play.tap(irr::KEY_SPACE); // leave the options
        play.tap(irr::KEY_UP);    // back to "neu"
        play.runFrames(2);
        play.chooseNewGame();
        const auto firstPageTyped = [&play] {
            const auto& boxes = play.getLogic().getVisual()->getTextBoxes().getBoxes();
            return !boxes.empty() && boxes.front()->isShown() && boxes.front()->isPageComplete();
        };
        EXPECT_TRUE(play.runUntil(firstPageTyped, 2000));
        const auto& boxes = play.getLogic().getVisual()->getTextBoxes().getBoxes();
        ASSERT_FALSE(boxes.empty());
        ASSERT_NE(boxes.front()->currentPage(), nullptr);
        EXPECT_EQ(*boxes.front()->currentPage(), Lumo::gGameData->texts.getGameText("INTRO_1"));
        EXPECT_EQ(boxes.front()->currentPage()->rfind(L"mama! mama!", 0), 0u) << "the intro is German";
    }
    std::filesystem::current_path(previous);
    EXPECT_NE(readWholeFile(runtime.folder().file("settings.ini")).find("language=de\n"), std::string::npos);
}
