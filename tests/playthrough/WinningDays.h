#pragma once
// A game on the null driver, silent, with the hands that play it, and the days of a baker who
// follows the merchant's hints and wins, one by one: a game can be played through whole or stopped
// at a morning and continued from its save. Also the checks every played day shares: the morning,
// the letter, the counter until closing, bed and the ending.
#include "Baker.h"

#include <string>
#include <vector>

class WinningDays {
public:
    static constexpr int kShopCloses = 14 * 60 + 35; // the last visitor's patience has run out

    // An empty save file: the game keeps no save.
    explicit WinningDays(double frameMillis, const std::string& saveFile = "");

    // New game from the title, the intro read to its end: the first morning.
    void playIntro();
    // The day's work from its morning to bed (on the last day, to closing time).
    void playDay(int day);
    void playDays(int from = 1, int to = Lumo::WorldState::kLastDay);
    // Bed on the last day: the friend comes, and the money decides.
    void ending(bool won);

    void startDay(int day);
    void readTodaysLetter();
    // Everyone who comes is served while goods are on display, until the shop closes.
    void sellUntilClosing(bool askDouble);
    void bakeToCounter();
    void bedtime();
    // Customers who waited a while said hello, and nothing else was said in bubbles.
    void customersGreeted();

    static Lumo::WorldState& world() { return Lumo::gGameData->world; }
    static bool flag(const char* name) { return world().flagsAndPopularity.isSet(name); }
    static float popularity() { return world().flagsAndPopularity.popularity; }
    static bool unlocked(int32_t kind) { return world().goods.isUnlocked(kind); }

    Lumo::ScriptedPlay play;
    DialogueReader reader{play};
    Baker baker{play, reader};
    int earned = 0;
    int sales = 0;

private:
    // A free dough that finds a new good, and Sophie's remark on it.
    void discover(int32_t kind, int flour, int butter, int milk);
    void bakeBoules(int trays);
    void firstDay();
    void secondDay();
    void thirdDay();
    void fourthDay();
    void ordinaryDay(int day);
};
