#pragma once
// A player's hands for whole days of the real game on the null driver. Every action is the key a
// player would press; only the trips between the rooms are shortened: the baker is teleported a
// few steps from where she works and walks the rest. Each action returns false (and says why)
// when the game did not answer as a player would expect. Waits are limited in game time, so the
// same hands play at any frame length.
#include "DialogueReader.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Items/BakeryItems.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <functional>
#include <string>

struct MerchantOrder {
    int flourHundreds = 0;
    int butterSteps = 0; // of 250
    int milkHundreds = 0;
};

class Baker {
public:
    Baker(Lumo::ScriptedPlay& play, DialogueReader& reader) : play(play), reader(reader) {}

    // How many frames last that many milliseconds of game time.
    uint32_t frames(uint32_t millis) const;
    // Runs frames, reading every page, until the baker is hers to move again.
    bool settle(uint32_t maxMillis = 800000);
    // Runs frames, reading pages along, until the condition holds.
    bool waitFor(const std::function<bool()>& condition, uint32_t maxMillis);
    bool waitUntilMinute(int minuteOfDay);

    // The storeroom shelf: hundreds of flour, butter and milk in a box, carried to the work table
    // and emptied into its stock.
    bool bringToTable(int flour, int butter = 0, int milk = 0);
    // The dough menu with the free recipe and these amounts, then kneading: the tray is on the table.
    bool makeFreeDough(int flour, int butter, int sugar, int milk);
    // The dough menu with a recipe from the book (its slot is its id), then kneading.
    bool makeRecipeDough(int recipe, int batches);
    // The tray from the table into the oven, out again once baked.
    bool bakeTrayFromTable();
    // The carried tray onto the counter or back onto the work table.
    bool putOnCounter();
    bool putOnTable();
    bool takeFromTable();

    // The postman's letter from the counter, read to the end; the pages it showed.
    bool readLetter(std::vector<std::string>& pages);
    // Stays where she serves: behind the counter, facing the customers.
    bool goBehindCounter();
    // The first customer at the counter, served at twice the fair price (or at it) and paid.
    bool customerAtCounter() const;
    bool serveCustomer(bool askDouble, int& paid);
    // Talks to the merchant at his stall; his menu is open afterwards.
    bool openMerchant();
    bool buyIngredients(const MerchantOrder& order);
    bool buyLoafPan();
    // SPACE at the bed, yes; the next morning (or the ending) has begun.
    bool goToBed();

    const std::string& why() const { return failure; }

    Lumo::LumoVisual& visual() const { return *play.getLogic().getVisual(); }
    Lumo::BakeryItems& bakery() const;
    Lumo::WorldState& world() const { return Lumo::gGameData->world; }
    bool letterWaiting() const;
    Lumo::VisualItemMultiPtr trayInOven() const;

private:
    irr::core::vector3df hero() const;
    bool fail(const std::string& what);
    void teleport(const irr::core::vector3df& spot);
    // Holds an arrow until the baker is where the test wants her.
    bool walk(irr::EKEY_CODE arrow, const std::function<bool(const irr::core::vector3df&)>& arrived);
    // Down for three frames, then up, then a frame for the release to settle.
    void hold(irr::EKEY_CODE key, int times = 1);
    bool atTable();
    bool finishWork();
    bool knead();

    Lumo::ScriptedPlay& play;
    DialogueReader& reader;
    std::string failure;
};
