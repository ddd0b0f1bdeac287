#pragma once
// A fresh world with the starting goods, key presses for the menus, and a recorder of the
// story moments the shop asks for.
#include "RecordingShopSequences.h"
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace BakeryTest {

inline Lumo::InputRecord keys(int moveX = 0, int moveY = 0, bool space = false, bool x = false) {
    Lumo::InputRecord input;
    input.moveX = moveX;
    input.moveY = moveY;
    input.keySpace = space;
    input.keyX = x;
    return input;
}
inline Lumo::InputRecord idle() { return keys(); }
inline Lumo::InputRecord up() { return keys(0, 1); }
inline Lumo::InputRecord down() { return keys(0, -1); }
inline Lumo::InputRecord right() { return keys(1, 0); }
inline Lumo::InputRecord left() { return keys(-1, 0); }
inline Lumo::InputRecord space() { return keys(0, 0, true); }
inline Lumo::InputRecord xKey() { return keys(0, 0, false, true); }

class BakeryWorld : public ::testing::Test {
protected:
    BakeryWorld() { world.goods.fillStartingGoods(); }

    Lumo::WorldState world;
    RecordingShopSequences sequences;
};

} // namespace BakeryTest
