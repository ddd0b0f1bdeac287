// The save in the running game: the title offers it with a white "continue" that opens that
// morning, "new" asks before the saved bakery is given up, and a damaged or unwritable save is told.
#include "Mornings.h"
#include "TempDir.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Gui/VisualTextBoxChoice.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Save/MorningSave.h"
#include "src_lumo/Save/SaveSlot.h"
#include "src_lumo/Save/SaveText.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using namespace Lumo;
namespace fs = std::filesystem;

class SavedMorning : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 0); }

    void save(const SavedGame& game) { ASSERT_TRUE(slot.write(game).saved); }
    void start() {
        ScriptedPlayOptions options;
        options.saveFile = slot.path().string();
        play = std::make_unique<ScriptedPlay>(options);
        ASSERT_TRUE(play->isReady());
    }
    GameMenue& menu() { return play->getLogic().getMenu(); }
    bool continueIsWhite() {
        return !menu().isContinueDisabled() &&
               menu().getEntryColour(GameMenue::ENTRY_CONTINUE) == irr::video::SColor(0xFFFFFFFF);
    }
    bool playing() {
        const LumoGameLogic& logic = play->getLogic();
        return logic.isGameStarted() && logic.hasPlayerControl() && gGameData->screenFadeColor == 0;
    }
    // In a message box: the console is hidden from the player.
    bool told(const std::wstring& words) {
        for (const std::wstring& message : play->shownDialogs())
            if (message.find(words) != std::wstring::npos)
                return true;
        return false;
    }

    TempDir folder;
    SaveSlot slot{folder.path() / SaveSlot::kFileName};
    std::unique_ptr<ScriptedPlay> play;
};

TEST_F(SavedMorning, ContinueIsWhiteAndOpensTheSavedMorningWithItsBoxesWhereTheyWere) {
    const SavedGame saved = morningOfDay(4);
    ASSERT_NO_FATAL_FAILURE(save(saved));
    ASSERT_NO_FATAL_FAILURE(start());
    EXPECT_TRUE(continueIsWhite());
    EXPECT_EQ(GameMenue::ENTRY_CONTINUE, menu().getSelection());

    play->tap(irr::KEY_SPACE);
    ASSERT_TRUE(play->runUntil([&] { return playing(); }, 1000));
    EXPECT_LT(gGameData->world.minuteOfDay, 6 * 60 + 5) << "the morning begins at six";
    SavedGame now = MorningSave::capture(*gGameData, *play->getLogic().getVisual());
    now.clockMs = saved.clockMs; // the morning has begun to run
    EXPECT_EQ(saved, now);
    auto& shop = static_cast<ShopItemWorld&>(*play->getLogic().getVisual()->getItemWorld());
    EXPECT_EQ(ITEM_BOX, shop.bakery().getField(FIELD_COUNTER_LEFT).firstItem()->getKind()) << "not on its spot";
    EXPECT_TRUE(play->getLogic().getVisual()->getHud().visible);
    EXPECT_TRUE(menu().isNewDisabled());
}

TEST_F(SavedMorning, NewAsksBeforeTheSavedBakeryIsLost) {
    ASSERT_NO_FATAL_FAILURE(save(morningOfDay(7)));
    ASSERT_NO_FATAL_FAILURE(start());
    play->tap(irr::KEY_DOWN);
    play->tap(irr::KEY_SPACE);
    const VisualTextBoxChoice* question = menu().getNewGameQuestion();
    ASSERT_NE(nullptr, question);
    EXPECT_NE(std::wstring::npos, question->getQuestion().find(L"your bakery on day 7\nwill be lost"));

    // It opens on "no": a stray SPACE keeps the bakery and the title.
    play->tap(irr::KEY_SPACE);
    play->runFrames(150);
    EXPECT_EQ(nullptr, menu().getNewGameQuestion());
    EXPECT_TRUE(menu().isOpen());
    EXPECT_FALSE(play->getLogic().isGameStarted());
    EXPECT_TRUE(continueIsWhite());

    for (const irr::EKEY_CODE back : {irr::KEY_KEY_X, irr::KEY_ESCAPE}) { // even on "yes"
        play->tap(irr::KEY_SPACE);
        play->tap(irr::KEY_UP);
        play->tap(back);
        play->runFrames(150);
        EXPECT_EQ(nullptr, menu().getNewGameQuestion()) << back;
        EXPECT_FALSE(play->getLogic().isGameStarted()) << back;
    }

    play->tap(irr::KEY_SPACE);
    play->tap(irr::KEY_UP);
    play->tap(irr::KEY_SPACE);
    ASSERT_TRUE(play->runUntil([&] { return playing(); }, 1000));
    EXPECT_EQ(1, gGameData->world.day);
    EXPECT_EQ(500, gGameData->world.money);

    // The pause menu's "continue" goes back to this new game, not to the old save.
    play->tap(irr::KEY_ESCAPE);
    ASSERT_TRUE(menu().isOpen());
    EXPECT_EQ(GameMenue::ENTRY_CONTINUE, menu().getSelection());
    play->tap(irr::KEY_SPACE);
    play->runFrames(300);
    EXPECT_TRUE(playing());
    EXPECT_EQ(1, gGameData->world.day);
}

TEST_F(SavedMorning, ADamagedSaveIsToldKeptAsideAndTheBackupContinues) {
    ASSERT_NO_FATAL_FAILURE(save(morningOfDay(3)));
    ASSERT_NO_FATAL_FAILURE(save(morningOfDay(4)));
    const std::string damaged = SaveText::write(morningOfDay(4)).replace(10, 5, "day=99");
    folder.write(SaveSlot::kFileName, damaged);
    ASSERT_NO_FATAL_FAILURE(start());
    EXPECT_TRUE(told(L"is damaged"));
    EXPECT_TRUE(told(L"using the backup"));
    EXPECT_EQ(damaged, folder.read("kornelo.sav.damaged"));
    EXPECT_TRUE(told(folder.path().wstring() + L"/kornelo.sav.damaged")) << "the player can find it";
    EXPECT_TRUE(continueIsWhite());
    EXPECT_EQ(3, menu().getSavedDay());
}

TEST_F(SavedMorning, WithoutASoundSaveContinueStaysGrey) {
    folder.write(SaveSlot::kFileName, "version=1\nday=4\nmon");
    ASSERT_NO_FATAL_FAILURE(start());
    EXPECT_TRUE(told(L"is damaged (the file is cut off)"));
    EXPECT_FALSE(continueIsWhite());
    EXPECT_EQ(GameMenue::ENTRY_NEW, menu().getSelection());
}

TEST_F(SavedMorning, AMorningThatCannotBeSavedIsToldAndTheOldSaveStays) {
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_TRUE(play->startNewGame());
    const std::string before = folder.read(SaveSlot::kFileName);
    // The player's folder takes no new file (a directory in the way stops root too).
    fs::create_directory(slot.path().string() + ".tmp");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    TovarWorks::gDevice->getEventManager()->QueueEvent(std::make_shared<StartNewDayEvent>());
    const bool morning = play->runUntil([&] { return gGameData->world.day == 2 && playing(); }, 1000);
    fs::permissions(folder.path(), fs::perms::owner_all);
    ASSERT_TRUE(morning);
    EXPECT_TRUE(told(L"could not save the game"));
    EXPECT_EQ(before, folder.read(SaveSlot::kFileName));
}
