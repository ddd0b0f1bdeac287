#pragma once
// The bridge between a running game and its save: what the morning holds (world, discoveries, the
// baker where she woke, the boxes she left), and that morning put back into a game that has just
// started, its visits drawn again from the day's seed.
#include "src_lumo/Save/SavedGame.h"

namespace Lumo {

struct GameData;
class LumoVisual;

class MorningSave {
public:
    static SavedGame capture(const GameData& data, const LumoVisual& visual);
    static void restore(const SavedGame& game, GameData& data, LumoVisual& visual);
};

} // namespace Lumo
