#pragma once
// The days of a baker who follows the merchant's hints and wins, one by one, so that a game can be
// played through whole or stopped at a morning and continued from its save. Also the checks every
// played day shares: the morning, the letter, the counter until closing, bed and the ending.
#include "Baker.h"

#include <string>
#include <vector>

class WinningDays {
public:
    static constexpr int kShopCloses = 14 * 60 + 35; // the last visitor's patience has run out

    WinningDays(Lumo::ScriptedPlay& play, DialogueReader& reader, Baker& baker)
        : play(play), reader(reader), baker(baker) {}

    // New game from the title, the intro read to its end: the first morning.
    void playIntro();
    // The day's work from its morning to bed (on the last day, to closing time).
    void playDay(int day);
    // Bed on the last day: the friend comes, and the money decides.
    void ending(const char* overlay, const std::vector<std::string>& pages);

    void startDay(int day);
    void readTodaysLetter();
    // Everyone who comes is served while goods are on display, until the shop closes.
    void sellUntilClosing(bool askDouble);
    void bakeToCounter();
    void bedtime();
    // Customers who waited a while said hello, and nothing else was said in bubbles.
    void customersGreeted();

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

    Lumo::ScriptedPlay& play;
    DialogueReader& reader;
    Baker& baker;
};
