#pragma once
// A new game's opening: little Sophie learns baking from her mother, ten years pass, and her
// friend finds her reopening the family bakery. Ends with the HUD, the clock and the player back.
#include <memory>

namespace Lumo {

class LumoVisual;

class IntroSequence {
public:
    // The logic has frozen the game before.
    static void play(const std::shared_ptr<LumoVisual>& visual);
};

} // namespace Lumo
