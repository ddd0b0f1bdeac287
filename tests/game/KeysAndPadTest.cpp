// Rebound keys and the game pad: both become the game's actions in one place, so every menu,
// box and board hears the pad exactly as it hears the keys. Run in a copy of the runtime folder,
// since leaving the options writes settings.ini.
#include "GamePlayFixture.h"
#include "InputEvents.h"
#include "RuntimeCopy.h"
#include "ToneFile.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/SoundSystem/SoundManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Game/SettingsFile.h"
#include "src_lumo/Input/ActionInput.h"
#include "src_lumo/Visual/ItemWorld.h"
#include "src_lumo/Menus/GameMenue.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

using irr::core::vector3df;
using Lumo::GameAction;
using Lumo::GameMenue;

class KeysAndPad : public GamePlayFixture {
protected:
    void SetUp() override {
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(runtime.path());
        GamePlayFixture::SetUp();
    }
    void TearDown() override {
        GamePlayFixture::TearDown();
        std::filesystem::current_path(previousFolder);
    }

    Lumo::KeyBindings& keys() { return Lumo::gGameData->settings.keys; }
    // The bindings as settings.ini holds them, so that a difference shows which one it is.
    static std::string lines(const Lumo::KeyBindings& bindings) {
        std::ostringstream out;
        bindings.write(out);
        return out.str();
    }
    const GameMenue& menu() { return logic().getMenu(); }
    float heroX() { return visual().getHero()->getNode()->getPosition().X; }
    // Irrlicht sends the pad's whole state once every frame, changed or not.
    void sendPad(const irr::SEvent& event) {
        TovarWorks::gDevice->OnEvent(event);
        play->runFrames(1);
    }
    void pressButton(int button) {
        sendPad(padEvent(1u << button));
        sendPad(padEvent(0));
    }

    RuntimeCopy runtime;
    std::filesystem::path previousFolder;
};

// The pad alone plays the scenes the keys play in the other tests: walking by the stick at full
// tilt, everything else by the action's button.
class PadHands : public KeysAndPad {
protected:
    // Down for a few frames, then up, then a frame for the release to settle.
    void hold(GameAction action, int times = 1) {
        const irr::s16 full = 32767;
        const std::map<GameAction, irr::SEvent> stick = {{GameAction::WalkUp, padEvent(0, 0, -full)},
                                                         {GameAction::WalkDown, padEvent(0, 0, full)},
                                                         {GameAction::WalkLeft, padEvent(0, -full, 0)},
                                                         {GameAction::WalkRight, padEvent(0, full, 0)}};
        const auto walk = stick.find(action);
        for (int i = 0; i < times; ++i) {
            TovarWorks::gDevice->OnEvent(walk != stick.end() ? walk->second : padEvent(1u << keys().button(action)));
            play->runFrames(3);
            TovarWorks::gDevice->OnEvent(padEvent(0));
            play->runFrames(1);
        }
    }
    bool startNewGame() {
        hold(GameAction::Act);
        return play->runUntil(
            [this] {
                return logic().isGameStarted() && logic().hasPlayerControl() && logic().isClockRunning() &&
                       Lumo::gGameData->screenFadeColor == 0;
            },
            2000);
    }
};

// The pad's actions reach the game in one place: each is tried once on the menus' path (events)
// and once on the world's (held keys).
TEST_F(PadHands, DriveTheMenusWalkPauseAndUseTheStoreroomAndTheTable) {
    hold(GameAction::WalkDown);
    EXPECT_EQ(GameMenue::ENTRY_OPTIONS, menu().getSelection());
    hold(GameAction::Act);
    ASSERT_TRUE(menu().isOptionsOpen());
    hold(GameAction::WalkLeft);
    EXPECT_EQ(90, Lumo::gGameData->settings.musicVolume);
    hold(GameAction::WalkDown, GameMenue::OPTION_KEYS);
    hold(GameAction::Act);
    ASSERT_TRUE(menu().getKeysScreen().isOpen());
    hold(GameAction::Cancel);
    EXPECT_FALSE(menu().getKeysScreen().isOpen());
    hold(GameAction::Menu);
    EXPECT_FALSE(menu().isOptionsOpen());
    EXPECT_EQ(90, Lumo::SettingsFile::read().musicVolume) << "leaving the options saved them";

    hold(GameAction::WalkUp);
    ASSERT_TRUE(startNewGame());
    const float before = heroX();
    hold(GameAction::WalkLeft, 10);
    EXPECT_LT(heroX(), before);
    hold(GameAction::Menu);
    ASSERT_TRUE(menu().isOpen());
    hold(GameAction::Act);
    EXPECT_FALSE(menu().isOpen()) << "continue";

    placeHero(kAtShelf, Lumo::FACE_UP);
    hold(GameAction::Act);
    ASSERT_EQ(Lumo::MODE_STORAGE, visual().getMode());
    hold(GameAction::WalkRight, 2);
    hold(GameAction::WalkDown, 5);
    hold(GameAction::Act);
    EXPECT_EQ(300, world().storeroomStock[0]);
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());
    placeHero(kAtTable, Lumo::FACE_UP);
    hold(GameAction::PickUp);
    EXPECT_FALSE(visual().getItemWorld()->isCarrying());
}

// The options let a louder music wait for the next start, so that start must apply the saved volume.
TEST_F(KeysAndPad, TheNextStartPlaysTheMusicAtTheSavedVolume) {
    Lumo::GameSettings settings = Lumo::SettingsFile::read();
    settings.musicVolume = 30;
    ASSERT_TRUE(Lumo::SettingsFile::save(settings));
    useDummyAudioOutput();
    start({});
    const auto sound = TovarWorks::gDevice->getSoundManager();
    ASSERT_TRUE(sound && sound->hasEngine());
    EXPECT_FLOAT_EQ(sound->getSoundVolume(), 0.3f);
}

// The hat's eight ways and the stick's tilts past its dead zone, as the walking actions they hold.
TEST(PadDirections, EachWayOfTheHatAndEachTiltOfTheStickHoldsItsWalks) {
    using Walks = std::set<GameAction>;
    const struct {
        irr::s16 x, y;
        irr::u16 pov;
        Walks walks;
    } cases[] = {
        {0, 0, 0, {GameAction::WalkUp}},
        {0, 0, 4500, {GameAction::WalkUp, GameAction::WalkRight}},
        {0, 0, 9000, {GameAction::WalkRight}},
        {0, 0, 13500, {GameAction::WalkRight, GameAction::WalkDown}},
        {0, 0, 18000, {GameAction::WalkDown}},
        {0, 0, 22500, {GameAction::WalkDown, GameAction::WalkLeft}},
        {0, 0, 27000, {GameAction::WalkLeft}},
        {0, 0, 31500, {GameAction::WalkLeft, GameAction::WalkUp}},
        {8000, 8000, kPovCentred, {}},
        {-8000, -8000, kPovCentred, {}},
        {8001, 0, kPovCentred, {GameAction::WalkRight}},
        {-8001, 8001, kPovCentred, {GameAction::WalkLeft, GameAction::WalkDown}},
        {0, -8001, kPovCentred, {GameAction::WalkUp}},
    };
    const Lumo::KeyBindings bindings;
    Lumo::ActionInput input(bindings);
    for (const auto& c : cases) {
        input.translate(padEvent(0, c.x, c.y, c.pov), [](const irr::SEvent&) { return true; });
        Walks held;
        for (const GameAction walk :
             {GameAction::WalkUp, GameAction::WalkDown, GameAction::WalkLeft, GameAction::WalkRight})
            if (input.held(walk))
                held.insert(walk);
        EXPECT_EQ(c.walks, held) << "stick " << c.x << "," << c.y << " hat " << c.pov;
    }
}

// Every change the pad brings is handed on, and the event counts as used when any one of them was.
TEST(PadDirections, EveryChangeIsHandedOnAndTheEventIsUsedWhenAnyOneOfThemIs) {
    const Lumo::KeyBindings bindings;
    Lumo::ActionInput input(bindings);
    std::vector<irr::EKEY_CODE> heard;
    const auto take = [&heard](bool used) {
        return [&heard, used](const irr::SEvent& event) {
            heard.push_back(event.KeyInput.Key);
            return used;
        };
    };
    const irr::SEvent upRight = padEvent(0, 0, 0, 4500), rest = padEvent(0);
    EXPECT_TRUE(input.translate(upRight, take(true)));
    EXPECT_EQ(2u, heard.size()) << "both walks, though the first was used";
    EXPECT_FALSE(input.translate(upRight, take(true))) << "nothing changed";
    EXPECT_EQ(2u, heard.size());
    const irr::EKEY_CODE last = heard.back();
    EXPECT_TRUE(input.translate(rest, [&](const irr::SEvent& event) { return event.KeyInput.Key != last; }))
        << "only the first release used";
    EXPECT_TRUE(input.translate(upRight, [&](const irr::SEvent& event) { return event.KeyInput.Key == last; }))
        << "only the last press used";
    EXPECT_FALSE(input.translate(rest, take(false)));
    EXPECT_EQ(4u, heard.size());
}

TEST_F(KeysAndPad, TheFirstPadsStickWalksOnlyPastItsDeadZoneTheHatWalksTooAndNeitherUnderTheConsole) {
    ASSERT_TRUE(play->startNewGame());
    struct Case {
        irr::s16 x;
        irr::u16 pov;
        irr::u8 pad;
        bool walks;
    };
    const Case cases[] = {{-5000, kPovCentred, 0, false},
                          {-20000, kPovCentred, 0, true},
                          {0, 22500, 0, true},
                          {-20000, kPovCentred, 1, false}}; // a second pad is not the baker's
    const vector3df start = visual().getHero()->getNode()->getPosition();
    for (const Case& c : cases) {
        placeHero(start, Lumo::FACE_UP);
        const float before = heroX();
        for (int frame = 0; frame < 10; ++frame)
            sendPad(padEvent(0, c.x, 0, c.pov, c.pad));
        sendPad(padEvent(0));
        EXPECT_EQ(c.walks, heroX() < before) << "stick " << c.x << " hat " << c.pov << " pad " << int(c.pad);
    }
    // The pad is not the game's while the console is open.
    const irr::SEvent stickLeft = padEvent(0, -32767, 0);
    sendPad(stickLeft);
    play->tap(irr::KEY_F1);
    const float atOpening = heroX();
    for (int frame = 0; frame < 10; ++frame)
        sendPad(stickLeft);
    EXPECT_EQ(atOpening, heroX()) << "walked on with the console open";
    play->tap(irr::KEY_F1);
    for (int frame = 0; frame < 10; ++frame)
        sendPad(stickLeft);
    EXPECT_LT(heroX(), atOpening);
}

TEST_F(KeysAndPad, AReboundKeyActsTheOldOneDoesNotAndHintsNameItInEveryLanguage) {
    ASSERT_TRUE(play->startNewGame());
    ASSERT_TRUE(keys().bindKey(GameAction::WalkLeft, irr::KEY_KEY_A));
    const auto walkedBy = [this](irr::EKEY_CODE key) {
        const float before = heroX();
        hold(key, 10);
        return before - heroX();
    };
    EXPECT_EQ(0.0f, walkedBy(irr::KEY_LEFT));
    EXPECT_GT(walkedBy(irr::KEY_KEY_A), 0.0f);

    placeHero(Lumo::LumoVisual::kBarSpot, Lumo::FACE_UP);
    const struct {
        const char* language;
        irr::EKEY_CODE act;
        std::wstring hint;
    } cases[] = {{"en", irr::KEY_SPACE, L"space: talk"},  {"de", irr::KEY_SPACE, L"leertaste: reden"},
                 {"de", irr::KEY_KEY_E, L"e: reden"},     {"de", irr::KEY_RETURN, L"eingabe: reden"},
                 {"en", irr::KEY_RETURN, L"return: talk"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Lumo::GameLanguages::apply(c.language));
        ASSERT_TRUE(keys().bindKey(GameAction::Act, c.act));
        EXPECT_EQ(std::vector<std::wstring>{c.hint}, visual().hintTexts()) << c.language;
    }
    ASSERT_TRUE(keys().bindKey(GameAction::Act, irr::KEY_KEY_E));
    play->tap(irr::KEY_SPACE);
    EXPECT_EQ(0u, recorder->count(TovarWorks::CallActionEventType));
    play->tap(irr::KEY_KEY_E);
    EXPECT_EQ(1u, recorder->count(TovarWorks::CallActionEventType));
}

TEST_F(KeysAndPad, TheKeysPageBindsKeysAndButtonsSwappingAndSavesThem) {
    play->tap(irr::KEY_DOWN);
    play->tap(irr::KEY_SPACE);
    hold(irr::KEY_DOWN, GameMenue::OPTION_KEYS, 1);
    play->tap(irr::KEY_SPACE);
    ASSERT_TRUE(menu().getKeysScreen().isOpen());
    hold(irr::KEY_DOWN, static_cast<int>(GameAction::Act), 1);

    play->tap(irr::KEY_SPACE);
    ASSERT_TRUE(menu().isWaitingForInput());
    play->tap(irr::KEY_KEY_L);
    play->tap(irr::KEY_KEY_1);
    EXPECT_TRUE(menu().isWaitingForInput()) << "the calendar's and the prices' keys are not given away";
    play->tap(irr::KEY_KEY_X);
    EXPECT_FALSE(menu().isWaitingForInput());
    EXPECT_EQ(irr::KEY_KEY_X, keys().key(GameAction::Act));
    EXPECT_EQ(irr::KEY_SPACE, keys().key(GameAction::Cancel)) << "swapped";

    play->tap(irr::KEY_KEY_X); // act now: wait for a button
    sendPad(padEvent(0, 32767, 0)); // the stick is no button
    sendPad(padEvent(1u << 3, 0, 0, kPovCentred, 1)); // nor is a second pad's
    ASSERT_TRUE(menu().isWaitingForInput());
    pressButton(2);
    EXPECT_EQ(2, keys().button(GameAction::Act));
    EXPECT_EQ(0, keys().button(GameAction::PickUp)) << "swapped";
    for (const int edge : {Lumo::KeyBindings::kButtonCount - 1, 0}) { // the pad's last button and its first
        play->tap(irr::KEY_KEY_X);
        pressButton(edge);
        EXPECT_EQ(edge, keys().button(GameAction::Act));
    }
    EXPECT_EQ(Lumo::KeyBindings::kButtonCount - 1, keys().button(GameAction::PickUp)) << "swapped";

    const Lumo::KeyBindings chosen = keys();
    pressButton(7); // the menu's button leaves the page...
    EXPECT_FALSE(menu().getKeysScreen().isOpen());
    play->tap(irr::KEY_ESCAPE); // ...and its key the options
    ASSERT_FALSE(menu().isOptionsOpen());
    EXPECT_EQ(lines(chosen), lines(Lumo::SettingsFile::read().keys)) << "saved and read back";
}
