#pragma once
// A null-driver device with the shipped item sheets loaded and the bakery's items built, plus
// helpers that walk the baker through the C key.
#include "NullDeviceFixture.h"

#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Items/BakeryItems.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <memory>
#include <string>

class ItemsFixture : public NullDeviceFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    Lumo::BakeryItems& bakery() { return *items; }
    // The name of the frame an item's sprite shows, empty when it shows none.
    static std::wstring frameOf(const Lumo::VisualItemSingle& item);

    // Makes a box at the baker's feet and picks it up.
    Lumo::VisualItemBoxPtr carryNewBox(const irr::core::vector3df& heroPosition);
    // count raw goods of a kind, each baking as long as the goods table says.
    Lumo::Tray rawTray(int32_t kind, int32_t count) const;
    // The same goods, already baked that long.
    Lumo::Tray bakedTray(int32_t kind, int32_t count, int32_t minutes) const;
    int32_t bakeMinutesOf(int32_t kind) const { return goods.entry(kind).bakeMinutes; }

    // Lets a drop's fall run out.
    void settle() { runFrame(120); }

    // Where the baker stands to reach the work table, the bin and the oven facing up.
    static const irr::core::vector3df kAtTable;
    static const irr::core::vector3df kAtWaste;
    static const irr::core::vector3df kAtOven;

    Lumo::IngredientRow tableStock{};
    Lumo::GoodsTable goods;

private:
    std::unique_ptr<Lumo::BakeryItems> items;
};
