#pragma once
// A player's hands for whole days of the real game on the null driver. Every action is the key a
// player would press; only the trips between the rooms are shortened: the baker is teleported a
// few steps from where she works and walks the rest. An action fails the test (saying where the
// game stood) when the game did not answer as a player would expect; call it in
// ASSERT_NO_FATAL_FAILURE. Waits are limited in game time, so the same hands play at any frame length.
#include "DialogueReader.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Items/BakeryItems.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <functional>
#include <initializer_list>
#include <string>

class Baker {
public:
    Baker(Lumo::ScriptedPlay& play, DialogueReader& reader) : play(play), reader(reader) {}

    // How many frames last that many milliseconds of game time.
    uint32_t frames(uint32_t millis) const;
    // Runs frames, reading pages along, until the condition holds.
    bool waitFor(const std::function<bool()>& condition, uint32_t maxMillis);
    // Runs frames, reading every page, until the baker is hers to move again (or to use that menu).
    void settle(int mode = Lumo::MODE_WALKING, uint32_t maxMillis = 800000);
    void waitUntilMinute(int minuteOfDay);

    // Hundreds of flour, butter and milk from the storeroom shelf, in a box onto the work table.
    void bringToTable(int flour, int butter = 0, int milk = 0);
    // The dough menu with the free recipe and these amounts, then kneading: the tray is on the table.
    void makeFreeDough(int flour, int butter, int sugar, int milk);
    // The dough menu with a recipe from the book (its slot is its id), then kneading.
    void makeRecipeDough(int recipe, int batches);
    // The tray from the table into the oven, out again once baked.
    void bakeTrayFromTable();
    // The carried tray onto the counter or back onto the work table.
    void putOnCounter();
    void putOnTable() { useTable(false); }
    void takeFromTable() { useTable(true); }

    // The postman's letter from the counter, read to the end; the pages it showed.
    void readLetter(std::vector<std::string>& pages);
    // Stays where she serves: behind the counter, facing the customers.
    void goBehindCounter();
    // The first customer at the counter, served at twice the fair price (or at it) and paid.
    bool customerAtCounter() const;
    void serveCustomer(bool askDouble, int& paid);
    // From the merchant's menu: hundreds of flour and milk, steps of 250 butter; his loaf pan.
    void buyIngredients(int flourHundreds, int butterSteps = 0, int milkHundreds = 0);
    void buyLoafPan();
    // SPACE at the bed, yes; the next morning (or the ending) has begun.
    void goToBed();

    Lumo::LumoVisual& visual() const { return *play.getLogic().getVisual(); }
    Lumo::BakeryItems& bakery() const;
    Lumo::WorldState& world() const { return Lumo::gGameData->world; }

private:
    irr::core::vector3df hero() const;
    bool carrying() const;
    bool letterWaiting() const;
    void teleport(const irr::core::vector3df& spot);
    // From a few steps away, an arrow held until she has passed `until` on its axis.
    void walkTo(const irr::core::vector3df& from, irr::EKEY_CODE arrow, float until, const char* place);
    // Down for three frames, then up, then a frame for the release to settle.
    void hold(irr::EKEY_CODE key, int times = 1);
    // A menu's rows from the top, each moved right that many steps.
    void fillRows(std::initializer_list<int> steps);
    void atTable();
    void useTable(bool take);
    void openDoughMenu();
    void finishWork();
    void knead();
    // Talks to the merchant at his stall; his menu is open afterwards.
    void openMerchant();

    Lumo::ScriptedPlay& play;
    DialogueReader& reader;
};
