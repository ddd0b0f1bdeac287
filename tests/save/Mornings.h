#pragma once
// A bakery's morning with every kind of value a save holds: a box on the counter and one before
// the shelves, a story flag between whole numbers, the baker at the bed.
#include "src_lumo/Save/SavedGame.h"

inline Lumo::SavedGame morningOfDay(int day) {
    Lumo::SavedGame game;
    game.day = day;
    game.weekday = 3;
    game.money = 1875;
    game.popularity = 9.812345f;
    game.clockMs = 1734;
    game.daySeed = 4011923451u;
    game.storeroomStock = {300, 250, 0, 100, 3, 0};
    game.tableStock = {100, 0, 0, 0, 0, 0};
    game.flags = {{"GOT_BREADBOX", 1.0f}, {"MERC_HEUREKA", 1.0f}, {"MERC_SELL_BOX", 1.0f}, {"STORY_STEP", 2.5f}};
    game.unlockedRecipes = {0, 1, 2, 3};
    game.discoveredGoods = {2, 3};
    game.letterDays = {1, 2};
    game.heroPosition = {910.25f, 0.0f, 655.5f};
    game.heroFacing = 3;
    game.boxes = {{{775.0f, 10.0f, 565.0f}, {500, 0, 0, 0, 0, 0}}, {{860.0f, 0.0f, 620.0f}, {0, 250, 0, 100, 2, 0}}};
    return game;
}
