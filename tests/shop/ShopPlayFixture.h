#pragma once
// The real game on the null driver, past the new-game intro, with the shop's story moments
// recorded and helpers that hold keys as a player would: down for a few frames, then up.
#include "RecordingShopSequences.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Visual/BakeryShopScreens.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class ShopPlayFixture : public ::testing::Test {
protected:
    static const irr::core::vector3df kAtShelf;
    static const irr::core::vector3df kAtTable;
    static const irr::core::vector3df kAtOven;
    static const irr::core::vector3df kAtCounter;

    void SetUp() override { start({}); }
    void TearDown() override { play.reset(); }
    void start(const Lumo::ScriptedPlayOptions& options);

    Lumo::LumoVisual& visual() { return *play->getLogic().getVisual(); }
    Lumo::BakeryShopScreens& screens() { return static_cast<Lumo::BakeryShopScreens&>(*visual().getShopScreens()); }
    Lumo::BakeryItems& bakery() { return static_cast<Lumo::ShopItemWorld&>(*visual().getItemWorld()).bakery(); }
    Lumo::WorldState& world() { return Lumo::gGameData->world; }
    int mode() { return visual().getMode(); }

    void placeHero(const irr::core::vector3df& position, int facing);
    // Down for a few frames, then up, then a frame for the release to settle.
    void hold(irr::EKEY_CODE key, uint32_t frames = 3);
    void hold(irr::EKEY_CODE key, int times, uint32_t frames) {
        for (int i = 0; i < times; ++i)
            hold(key, frames);
    }
    // A key typed and let go between two frames, as fast fingers do.
    void tap(irr::EKEY_CODE key);
    // Runs until the work at the table (mixing or kneading) is over.
    bool finishWork();
    // A customer of that townsperson at the counter, arrived at the minute given.
    void customerArrives(int townsperson, int minute);
    // A tray of goods of that kind, baked as long as asked, on the left of the counter.
    Lumo::VisualItemMultiPtr trayOnCounter(int32_t kind, int32_t count, int32_t bakedMinutes);

    std::unique_ptr<Lumo::ScriptedPlay> play;
    std::shared_ptr<RecordingShopSequences> sequences;
};
