#pragma once
// The last evening: her friend comes with the bank's verdict. The money decides which ending
// plays: below the goal the bakery is lost ("game over"), from it on the loan is paid ("you win!").
#include <cstdint>
#include <memory>

namespace Lumo {

class LumoVisual;

class EndingSequence {
public:
    static constexpr int32_t kMoneyGoal = 10000;

    static void play(const std::shared_ptr<LumoVisual>& visual);
    static bool isWon(int32_t money) { return money >= kMoneyGoal; }
};

} // namespace Lumo
