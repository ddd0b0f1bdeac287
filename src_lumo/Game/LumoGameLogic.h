#pragma once
// The bakery's game logic: reads the keys, runs the clock and the music by the hour, starts the
// new game and every new day, sends the postman, and turns the baker's actions into the game's
// consequences. Owns the visual, the in-game menu and the postman.
#include "TovarWorks/GameLogic.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Input/ActionInput.h"
#include "src_lumo/Save/SavedGame.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace Lumo {

class GameMenue;
class LumoVisual;
class IShopSequences;
class PostmanController;
class SaveSlot;
class StoryScripts;
class StorySequences;

class LumoGameLogic : public TovarWorks::GameLogic {
public:
    LumoGameLogic();
    ~LumoGameLogic() override;

    bool OnEvent(const irr::SEvent& event) override;
    void executeCommand(const irr::core::stringw&) override {}
    void onResize() override;
    void readInput() override;
    void updateGame() override;
    void postFrame() override {}

    const char* GetName() override { return "Root LumoMainGameLogicClass"; }
    bool HandleEvent(const TovarWorks::IEventData& event) override;

    const std::shared_ptr<LumoVisual>& getVisual() const { return visual; }
    GameMenue& getMenu() const { return *menu; }
    PostmanController& getPostman() const { return *postman; }
    const InputRecord& getInput() const { return input; }
    bool isGameStarted() const { return gameStarted; }
    bool isLogicActive() const { return logicActive; }
    bool hasPlayerControl() const { return playerControl; }
    bool isClockRunning() const { return clockRunning; }
    bool isMusicChosen() const { return musicChosen; }
    const std::shared_ptr<StoryScripts>& getStory() const { return story; }
    // Replaces the scripts the logic starts (scripted play may skip the intro); null is refused.
    void setStory(std::shared_ptr<StoryScripts> scripts);
    // Keeps the game in that file every morning and offers it on the title. Without one (scripted
    // play) nothing is saved. Damaged saves are reported and moved aside here.
    void useSaveFile(const std::filesystem::path& file);
    const SaveSlot* getSaveSlot() const { return saveSlot.get(); }
    // The story moments the shop's rules start, played on this logic's visual.
    std::shared_ptr<IShopSequences> getShopSequences() const;

private:
    void registerEditorCommand();
    // Every event after the keys and the pad have become the game's actions.
    bool handleGameEvent(const irr::SEvent& event);
    bool handleKey(const irr::SEvent::SKeyInput& key);
    bool held(irr::EKEY_CODE key) const;
    void chooseMusic();
    void silenceDayMusic();
    void carryOut(int action);
    void newGame();
    void newDay();
    void saveMorning();
    // The day that has begun, for the log.
    void tellMorning(const char* how) const;
    void continueSavedGame();
    void goToBed();
    void endGame();
    void closeChoice();
    void spawnDueCustomers();
    // Shows the day's letter again; false when there is none to show.
    bool readLetterAgain(int day);

    static constexpr irr::EKEY_CODE kNoKey = irr::KEY_KEY_CODES_COUNT;

    ActionInput actions;
    InputRecord input;
    // The key that closed the in-game menu, kept from the game until it is let go.
    irr::EKEY_CODE menuKey = kNoKey;
    // From the last night's new-day rule until the ending gives the keys back.
    bool endingPlays = false;
    // From a new game until the intro gives the baker her shop.
    bool introPlays = false;
    bool gameStarted = false;
    bool logicActive = true;
    bool playerControl = true;
    bool clockRunning = true;
    std::unique_ptr<PostmanController> postman;
    bool musicChosen = false;
    std::shared_ptr<LumoVisual> visual;
    std::shared_ptr<GameMenue> menu;
    std::shared_ptr<StorySequences> sequences;
    std::shared_ptr<StoryScripts> story;
    std::unique_ptr<SaveSlot> saveSlot;
    // The morning the title's "continue" opens.
    std::optional<SavedGame> savedGame;
};

} // namespace Lumo
