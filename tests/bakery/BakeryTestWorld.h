#pragma once
// A fresh world with the starting goods, key presses for the menus, and a recorder of the
// story moments the shop asks for.
#include "src_lumo/Game/WorldState.h"
#include "src_lumo/Gui/InputRecord.h"
#include "src_lumo/Shop/IShopSequences.h"

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

class RecordingSequences : public Lumo::IShopSequences {
public:
    void customerRefused() override { played.push_back("refused"); }
    void merchantTastedBoule() override { played.push_back("merchant chat"); }
    void goodDiscovered(int32_t kind) override { played.push_back("discovered " + std::to_string(kind)); }
    void merchantThanks() override { played.push_back("merchant thanks"); }
    void loafPanThanks() override { played.push_back("loaf pan thanks"); }
    void pipingBagThanks() override { played.push_back("piping bag thanks"); }

    std::vector<std::string> played;
};

class BakeryWorld : public ::testing::Test {
protected:
    BakeryWorld() { world.goods.fillStartingGoods(); }

    Lumo::WorldState world;
    RecordingSequences sequences;
};

} // namespace BakeryTest
