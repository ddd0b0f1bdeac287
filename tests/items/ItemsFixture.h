#pragma once
// A null-driver device with the shipped item sheets loaded and the bakery's items built, plus
// helpers that walk the baker through the C key.
#include "NullDeviceFixture.h"

#include "src_lumo/Bakery/GoodsTable.h"
#include "src_lumo/Items/BakeryItems.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Sprites/VisualCharacterFrame.h"

#include <algorithm>
#include <memory>
#include <string>

class ItemsFixture : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        Lumo::gGameData->spriteDefinitions.loadFile("lumodata/def_items.xml");
        Lumo::gGameData->spriteDefinitions.loadFile("lumodata/def_stuff.xml");
        ASSERT_NE(Lumo::gGameData->spriteDefinitions.getDefinition(L"items"), nullptr);
        goods.fillStartingGoods();
        items = std::make_unique<Lumo::BakeryItems>(device().getSceneManager(), Lumo::gGameData->spriteDefinitions);
    }
    void TearDown() override {
        items.reset();
        NullDeviceFixture::TearDown();
    }

    Lumo::BakeryItems& bakery() { return *items; }
    // The name of the frame an item's sprite shows, empty when it shows none.
    static std::wstring frameOf(const Lumo::VisualItemSingle& item) {
        const Lumo::VisualCharacterFrame* frame = item.getSpriteNode() ? item.getSpriteNode()->getCurrentFrame() : nullptr;
        return frame ? frame->getName() : std::wstring();
    }
    size_t count(const Lumo::VisualItemPtr& item) {
        return std::count(bakery().getItems().begin(), bakery().getItems().end(), item);
    }
    // Makes a box at the baker's feet and picks it up.
    Lumo::VisualItemBoxPtr carryNewBox(const irr::core::vector3df& heroPosition) {
        Lumo::VisualItemBoxPtr box = items->addIngredientBox({100, 0, 0, 0, 1, 0}, heroPosition);
        EXPECT_TRUE(items->pickUp(heroPosition));
        EXPECT_EQ(items->getCarried(), box);
        return box;
    }
    // count raw goods of a kind, each baking as long as the goods table says.
    Lumo::Tray rawTray(int32_t kind, int32_t count) const {
        Lumo::Dough dough;
        dough.kind = kind;
        dough.batches = count;
        dough.bakeMinutes = bakeMinutesOf(kind);
        return Lumo::Tray::fromDough(dough);
    }
    int32_t bakeMinutesOf(int32_t kind) const { return goods.entry(kind).bakeMinutes; }
    // Lets a drop's fall run out.
    void settle() { runFrame(120); }

    // Where the baker stands to reach the work table, the bin and the oven facing up.
    const irr::core::vector3df kAtTable{792.5f, 0.f, 610.f};
    const irr::core::vector3df kAtWaste{780.f, 0.f, 628.f};
    const irr::core::vector3df kAtOven{825.f, 0.f, 627.f};

    Lumo::IngredientRow tableStock{};
    Lumo::GoodsTable goods;

private:
    std::unique_ptr<Lumo::BakeryItems> items;
};
