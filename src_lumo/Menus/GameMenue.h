#pragma once
// The title and pause menu: logo, four entries and the options screen over a rain of baked goods
// in a scene of its own. It starts the first game, resumes a running one, saves the settings when
// the options screen is left and ends the program. The title music plays on channel 1.
#include "src_lumo/Gui/GuiElement.h"
#include "src_lumo/Menus/KeysScreen.h"

#include <irrlicht.h>

#include <array>
#include <memory>
#include <functional>
#include <string>
#include <vector>

namespace Lumo {

class VisualTextBoxChoice;

// Puts one good with the named sprite frame into the menu's scene; null when it cannot.
using FallingGoodFactory =
    std::function<irr::scene::ISceneNode*(irr::scene::ISceneManager* scene, const std::string& frameName)>;

class GameMenue : public GuiElement {
public:
    enum Entry { ENTRY_CONTINUE, ENTRY_NEW, ENTRY_OPTIONS, ENTRY_END, ENTRY_COUNT };
    // In the order of the options screen; each has its row in the options table of GameMenue.cpp.
    enum Option {
        OPTION_MUSIC,
        OPTION_SOUND,
        OPTION_SCREEN,
        OPTION_SIZE,
        OPTION_RENDER,
        OPTION_HINTS,
        OPTION_TEXT,
        OPTION_LANGUAGE,
        OPTION_KEYS,
        OPTION_COUNT
    };
    static constexpr int kFadeMillis = 500;
    static constexpr uint32_t kSpawnMillis = 200;
    static constexpr int kMusicChannel = 1;
    static const char* const kGoodFrames[9];

    // Without a factory no goods fall. The settings are written to settingsFile.
    explicit GameMenue(FallingGoodFactory goodsFactory = {}, std::string settingsFile = "settings.ini");
    ~GameMenue() override;
    GameMenue(const GameMenue&) = delete;
    GameMenue& operator=(const GameMenue&) = delete;

    // Escape in a running game. The arrow starts on the first entry that can be chosen.
    void openMenu();
    // The game has ended: the title as at the program's start, "new" open and nothing to continue.
    void openTitle();
    // A saved morning of that day waits (0: none): "continue" opens it, "new" asks first.
    void setSavedDay(int day);
    // What "continue" runs for the saved morning, once the screen has gone black.
    void setContinueSaved(std::function<void()> load) { continueSaved = std::move(load); }
    // Every input event while the menu is open; true only when it has just closed the options.
    bool handleKey(const irr::SEvent& event);
    // The keys page waits for the key or pad button to bind; the logic hands it on untranslated.
    bool isWaitingForInput() const { return keysScreen.isWaiting(); }
    void bindPressed(const PressedInput& pressed);
    // Fades, lets the goods fall and spawns new ones.
    void update(uint32_t deltaMillis);
    void draw() override;

    bool isOpen() const { return open; }
    bool isOptionsOpen() const { return optionsOpen; }
    bool isHidden() const { return fadeTime >= kFadeMillis; }
    bool isContinueDisabled() const { return continueDisabled; }
    bool isNewDisabled() const { return newDisabled; }
    int getSavedDay() const { return savedDay; }
    // The question before a new game overwrites the saved one; null when none is asked.
    const VisualTextBoxChoice* getNewGameQuestion() const { return newGameQuestion.get(); }
    int getSelection() const { return selection; }
    int getOptionSelection() const { return optionSelection; }
    const KeysScreen& getKeysScreen() const { return keysScreen; }
    int getFadeTime() const { return fadeTime; }
    irr::video::SColor getEntryColour(int entry) const { return entryColour[entry]; }
    // "music 100", "size 1280x720" ... as the options screen shows them, in the game's language.
    static std::wstring optionLabel(int option);
    static std::wstring optionValue(int option);
    size_t fallingGoodCount() const { return fallingGoods.size(); }
    irr::scene::ISceneManager* getMenuScene() const { return menuScene; }

private:
    void refreshColours();
    void closeOptions();
    void choose(int entry);
    void changeOption(int direction);
    void startHiding();
    void startNewGame();
    void continueSavedGame();
    void askBeforeNewGame();
    // The open question takes the keys: up and down choose, SPACE answers, X and Escape say no.
    void answerQuestion(irr::EKEY_CODE key);
    void spawnGood();
    void drawPictures(float hidden) const;
    void drawEntries(float hidden) const;
    void drawKeys(float hidden) const;

    irr::scene::ISceneManager* menuScene = nullptr;
    FallingGoodFactory goodsFactory;
    std::string settingsFile;
    uint32_t spawnTimer = 0;
    int selection = ENTRY_CONTINUE;
    int optionSelection = OPTION_MUSIC;
    std::vector<irr::scene::ISceneNode*> fallingGoods; // owned by menuScene
    bool hiding = false;
    bool showing = false;
    bool open = true;
    int fadeTime = 0;
    bool newDisabled = false;
    bool continueDisabled = true;
    bool optionsOpen = false;
    KeysScreen keysScreen;
    int savedDay = 0;
    std::function<void()> continueSaved;
    std::shared_ptr<VisualTextBoxChoice> newGameQuestion;
    std::array<irr::video::SColor, ENTRY_COUNT> entryColour;
};

} // namespace Lumo
