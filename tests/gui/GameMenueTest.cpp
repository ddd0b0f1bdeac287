// The title and pause menu's rules: entries, options, saving, starting and resuming a game.
#include "InputEvents.h"
#include "NullDeviceFixture.h"
#include "RecordingListener.h"
#include "TempDir.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FadeSoundEvent.h"
#include "TovarWorks/Language/SimpleLanguageSystem.h"
#include "TovarWorks/SoundSystem/SoundManager.h"
#include "src_lumo/Gui/InterfaceView.h"
#include "src_lumo/Menus/GameMenue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace Lumo;

class GameMenueTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        listener = recordEvents({&TovarWorks::StartNewGameEventType, &TovarWorks::FadeSoundEventType,
                                 &TovarWorks::PlaySoundEventType});
        gGameData->texts.loadGameTexts("lumodata/lang/en.txt");
        menu = std::make_unique<GameMenue>(FallingGoodFactory(), settingsFile);
    }
    void TearDown() override {
        menu.reset();
        NullDeviceFixture::TearDown();
    }

    void press(irr::EKEY_CODE key) {
        lastAnswer = menu->handleKey(keyEvent(key, true));
        EXPECT_FALSE(menu->handleKey(keyEvent(key, false))) << "releases are ignored";
    }
    void press(irr::EKEY_CODE key, int times) {
        for (int i = 0; i < times; ++i)
            press(key);
    }
    // Frames of the main loop with the menu updated as the logic does.
    void frames(int count, uint32_t millis = 20) {
        for (int i = 0; i < count; ++i) {
            runFrame(millis);
            menu->update(millis);
        }
    }
    long heard(const TovarWorks::EventType& type) const {
        return std::count(listener->hashes.begin(), listener->hashes.end(), type.getHash());
    }

    TempDir folder;
    const std::string settingsFile = folder.file("settings.ini");
    std::shared_ptr<RecordingListener> listener;
    std::unique_ptr<GameMenue> menu;
    bool lastAnswer = false;
};

TEST_F(GameMenueTest, AtFirstStartTheArrowIsOnNewTheGreyContinueDoesNothingAndTheTitleMusicFadesIn) {
    EXPECT_EQ(menu->getSelection(), GameMenue::ENTRY_NEW);
    EXPECT_EQ(menu->getEntryColour(GameMenue::ENTRY_CONTINUE), irr::video::SColor(0xFF646464));
    EXPECT_EQ(menu->getEntryColour(GameMenue::ENTRY_NEW), irr::video::SColor(0xFFFFFFFF));
    press(irr::KEY_UP);
    press(irr::KEY_SPACE);
    press(irr::KEY_ESCAPE);
    EXPECT_TRUE(menu->isOpen());
    frames(30);
    EXPECT_EQ(menu->getFadeTime(), 0);
    EXPECT_EQ(heard(TovarWorks::PlaySoundEventType), 1);
    EXPECT_EQ(heard(TovarWorks::FadeSoundEventType), 1);
}

TEST_F(GameMenueTest, NewStartsTheGameAfterTheFadeOnceAndTheReopenedMenuOffersContinue) {
    press(irr::KEY_SPACE);
    EXPECT_FALSE(menu->isOpen());
    EXPECT_TRUE(menu->isNewDisabled());
    EXPECT_FALSE(menu->isContinueDisabled());

    frames(80); // 1.6 s: the screen is still fading, then waiting
    EXPECT_EQ(heard(TovarWorks::StartNewGameEventType), 0);
    EXPECT_TRUE(menu->isHidden());
    frames(30);
    EXPECT_EQ(heard(TovarWorks::StartNewGameEventType), 1);

    menu->openMenu(); // the logic on Escape
    EXPECT_TRUE(menu->isOpen());
    EXPECT_EQ(menu->getEntryColour(GameMenue::ENTRY_CONTINUE), irr::video::SColor(0xFFFFFFFF));
    EXPECT_EQ(menu->getEntryColour(GameMenue::ENTRY_NEW), irr::video::SColor(0xFF646464));
    frames(25);
    EXPECT_EQ(menu->getFadeTime(), 0);

    EXPECT_EQ(menu->getSelection(), GameMenue::ENTRY_CONTINUE);
    press(irr::KEY_SPACE);
    frames(12, 20);
    EXPECT_FALSE(menu->isHidden());
    frames(13, 20);
    EXPECT_TRUE(menu->isHidden()) << "the menu fades out over 500 ms";

    menu->openMenu();
    press(irr::KEY_DOWN);
    press(irr::KEY_SPACE);
    EXPECT_TRUE(menu->isOpen()) << "a second new game cannot be started";
    EXPECT_EQ(heard(TovarWorks::StartNewGameEventType), 1);
}

TEST_F(GameMenueTest, DownFiveTimesStopsAtEndWhichQuits) {
    press(irr::KEY_DOWN, 5);
    EXPECT_EQ(menu->getSelection(), GameMenue::ENTRY_END);
    EXPECT_FALSE(device().quitRequested());
    press(irr::KEY_SPACE);
    EXPECT_TRUE(device().quitRequested());
}

class OptionsTest : public GameMenueTest {
protected:
    void SetUp() override {
        GameMenueTest::SetUp();
        press(irr::KEY_DOWN); // from "new"
        press(irr::KEY_SPACE);
        ASSERT_TRUE(menu->isOptionsOpen());
    }
    void selectOption(int option) {
        press(irr::KEY_UP, GameMenue::OPTION_COUNT);
        press(irr::KEY_DOWN, option);
    }
    GameSettings& settings() { return gGameData->settings; }
};

TEST_F(OptionsTest, LeftAndRightStepEachOptionWithinItsValues) {
    using Menu = GameMenue;
    selectOption(Menu::OPTION_SIZE);
    press(irr::KEY_LEFT);
    EXPECT_EQ(Menu::optionValue(Menu::OPTION_SIZE), L"1024x720") << "a size not offered stays";
    settings().width = 640;
    settings().height = 360;
    const irr::EKEY_CODE left = irr::KEY_LEFT, right = irr::KEY_RIGHT;
    const struct {
        int option;
        irr::EKEY_CODE key;
        int times;
        const wchar_t* shown;
    } steps[] = {{Menu::OPTION_SIZE, right, 2, L"1920x1080"}, {Menu::OPTION_SIZE, right, 1, L"1920x1080"},
                 {Menu::OPTION_SIZE, left, 3, L"640x360"}, {Menu::OPTION_MUSIC, right, 1, L"100"},
                 {Menu::OPTION_MUSIC, left, 3, L"70"}, {Menu::OPTION_MUSIC, left, 20, L"0"},
                 {Menu::OPTION_SOUND, left, 1, L"90"}, {Menu::OPTION_SOUND, left, 20, L"0"},
                 {Menu::OPTION_SOUND, right, 20, L"100"}, {Menu::OPTION_MUSIC, left, 0, L"0"},
                 {Menu::OPTION_SCREEN, left, 0, L"window"}, {Menu::OPTION_SCREEN, right, 1, L"fullscreen"},
                 {Menu::OPTION_SCREEN, left, 1, L"window"}, {Menu::OPTION_RENDER, left, 1, L"stretched"},
                 {Menu::OPTION_HINTS, left, 0, L"on"}, {Menu::OPTION_HINTS, left, 1, L"off"},
                 {Menu::OPTION_TEXT, left, 0, L"normal"}, {Menu::OPTION_TEXT, left, 2, L"slow"},
                 {Menu::OPTION_TEXT, right, 1, L"normal"}, {Menu::OPTION_TEXT, right, 1, L"fast"},
                 {Menu::OPTION_TEXT, right, 1, L"instant"}, {Menu::OPTION_TEXT, right, 1, L"instant"}};
    for (const auto& step : steps) {
        selectOption(step.option);
        press(step.key, step.times);
        EXPECT_EQ(Menu::optionValue(step.option), step.shown) << step.option << " after " << step.times;
    }
    EXPECT_EQ(settings().textSpeed, TextSpeed::Instant);
    press(irr::KEY_DOWN, Menu::OPTION_COUNT);
    EXPECT_EQ(menu->getOptionSelection(), Menu::OPTION_KEYS) << "the last option";
    press(irr::KEY_ESCAPE);
    EXPECT_TRUE(lastAnswer) << "escape leaves the options as space does";
    EXPECT_NE(readWholeFile(settingsFile).find("text=instant\n"), std::string::npos);
}

TEST_F(OptionsTest, MusicTurnedDownIsHeardAtOnceButTurnedUpOnlyFromTheNextStart) {
    const auto sound = device().getSoundManager();
    ASSERT_TRUE(sound && sound->hasEngine());
    settings().musicVolume = 50;
    sound->setSoundVolume(0.5f);
    selectOption(GameMenue::OPTION_MUSIC);
    press(irr::KEY_RIGHT);
    EXPECT_FLOAT_EQ(sound->getSoundVolume(), 0.5f);
    press(irr::KEY_LEFT, 2);
    EXPECT_FLOAT_EQ(sound->getSoundVolume(), 0.4f);
}

TEST_F(OptionsTest, LanguageSwitchesMenusAndEngineTextsAtOnceAndIsSaved) {
    selectOption(GameMenue::OPTION_LANGUAGE);
    EXPECT_EQ(GameMenue::optionValue(GameMenue::OPTION_LANGUAGE), L"english");
    press(irr::KEY_LEFT);
    EXPECT_EQ(settings().language, "en") << "english is the first language";
    press(irr::KEY_RIGHT);
    EXPECT_EQ(settings().language, "de");
    EXPECT_EQ(GameMenue::optionLabel(GameMenue::OPTION_LANGUAGE), L"sprache");
    EXPECT_EQ(GameMenue::optionValue(GameMenue::OPTION_SCREEN), L"fenster");
    EXPECT_EQ(gGameData->texts.getGameText("TITLE_CONTINUE"), L"weiter");
    EXPECT_EQ(device().getLanguageSystem()->getText(7), L"Deutsch");
    press(irr::KEY_RIGHT);
    EXPECT_EQ(settings().language, "de") << "deutsch is the last language";
    press(irr::KEY_SPACE);
    EXPECT_NE(readWholeFile(settingsFile).find("language=de\n"), std::string::npos);

    press(irr::KEY_SPACE); // "optionen" again
    selectOption(GameMenue::OPTION_LANGUAGE);
    press(irr::KEY_LEFT);
    EXPECT_EQ(GameMenue::optionLabel(GameMenue::OPTION_MUSIC), L"music");
    EXPECT_EQ(device().getLanguageSystem()->getText(7), L"English");
}

TEST_F(OptionsTest, ALanguageWhoseTextsCannotBeReadIsNotChosen) {
    selectOption(GameMenue::OPTION_LANGUAGE);
    const TempDir elsewhere; // no language files there
    const std::filesystem::path runtime = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.path());
    press(irr::KEY_RIGHT);
    std::filesystem::current_path(runtime);
    EXPECT_EQ(settings().language, "en");
    EXPECT_EQ(gGameData->texts.getGameText("TITLE_CONTINUE"), L"continue");
    EXPECT_EQ(device().getLanguageSystem()->getText(7), L"English");
}

TEST_F(OptionsTest, LeavingTheOptionsWritesTheFileEvenUnchanged) {
    press(irr::KEY_SPACE);
    EXPECT_TRUE(lastAnswer);
    EXPECT_FALSE(menu->isOptionsOpen());
    EXPECT_TRUE(menu->isOpen());
    EXPECT_NE(readWholeFile(settingsFile).find("[sound]\nmusic=100\nsound=100\n"), std::string::npos);
}

// Falling out of view and after the menu went are TitleMenuTest's.
TEST_F(GameMenueTest, AGoodOfTheItemSheetStartsFallingEveryTwoHundredMillisecondsAcrossTheViewAndFallsSteadily) {
    std::vector<irr::scene::ISceneNode*> made;
    menu = std::make_unique<GameMenue>(
        [&made](irr::scene::ISceneManager* scene, const std::string& frame) {
            EXPECT_EQ(frame.rfind("item_", 0), 0u);
            made.push_back(scene->addEmptySceneNode());
            return made.back();
        },
        settingsFile);
    frames(10, 21); // 210 ms: one good
    EXPECT_EQ(made.size(), 1u);
    frames(100, 21);
    EXPECT_EQ(made.size(), 11u);
    EXPECT_EQ(menu->fallingGoodCount(), 11u);
    EXPECT_NEAR(made[0]->getPosition().Y, 200.0f - 100 * 21 * 0.1f, 0.01f) << "0.1 units a millisecond";
    // The menu's camera looks at the middle of a view the interface's width across.
    bool inViewLeft = false;
    bool inViewRight = false;
    for (int good = 0; good < 50; ++good) {
        frames(10, 21);
        const float x = made.back()->getPosition().X;
        inViewLeft |= x < 0 && x > -InterfaceView::kWidth / 2.0f;
        inViewRight |= x > 0 && x < InterfaceView::kWidth / 2.0f;
    }
    EXPECT_TRUE(inViewLeft && inViewRight) << "goods fall on both sides of the title";
}

TEST(KeysScreenTest, UpAndDownStayOnTheActionRows) {
    Lumo::KeysScreen screen;
    screen.open();
    for (int i = 0; i < Lumo::KeyBindings::kActionCount + 2; ++i)
        screen.handleKey(irr::KEY_DOWN);
    EXPECT_EQ(Lumo::KeyBindings::kActionCount - 1, screen.getSelection());
    for (int i = 0; i < Lumo::KeyBindings::kActionCount + 2; ++i)
        screen.handleKey(irr::KEY_UP);
    EXPECT_EQ(0, screen.getSelection());
}
