#pragma once
// A fresh world with the starting goods, a recorder of the story moments the shop asks for, and
// key scripts for the menus.
#include "RecordingShopSequences.h"
#include "src_lumo/Bakery/BakedGood.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace BakeryTest {

// A good of that kind meant to bake `target` minutes, baked `minutes` of them.
inline Lumo::BakedGood baked(int32_t kind, int32_t target = 30, int32_t minutes = 30) {
    Lumo::BakedGood good;
    good.kind = kind;
    good.targetMinutes = target;
    good.bake(minutes);
    return good;
}

// One frame's keys: ^ v < > the arrows, ' ' SPACE, x X, anything else none.
inline Lumo::InputRecord keysFor(char key) {
    Lumo::InputRecord input;
    input.moveX = key == '>' ? 1 : key == '<' ? -1 : 0;
    input.moveY = key == '^' ? 1 : key == 'v' ? -1 : 0;
    input.keySpace = key == ' ';
    input.keyX = key == 'x';
    return input;
}

// Each key of the script pressed for a frame and let go for one; the last press's answer.
template <typename Menu>
int32_t press(Menu& menu, const std::string& script) {
    int32_t answer = 0;
    for (const char key : script) {
        answer = menu.input(keysFor(key));
        menu.input(Lumo::InputRecord());
    }
    return answer;
}

class BakeryWorld : public ::testing::Test {
protected:
    BakeryWorld() { world.goods.fillStartingGoods(); }

    Lumo::WorldState world;
    RecordingShopSequences sequences;
};

} // namespace BakeryTest
