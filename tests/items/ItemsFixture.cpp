#include "ItemsFixture.h"

#include "src_lumo/Sprites/VisualCharacterFrame.h"

using irr::core::vector3df;

const vector3df ItemsFixture::kAtTable(792.5f, 0.f, 610.f);
const vector3df ItemsFixture::kAtWaste(780.f, 0.f, 628.f);
const vector3df ItemsFixture::kAtOven(825.f, 0.f, 627.f);

void ItemsFixture::SetUp()
{
    NullDeviceFixture::SetUp();
    Lumo::gGameData->spriteDefinitions.loadFile("lumodata/def_items.xml");
    Lumo::gGameData->spriteDefinitions.loadFile("lumodata/def_stuff.xml");
    ASSERT_NE(Lumo::gGameData->spriteDefinitions.getDefinition(L"items"), nullptr);
    goods.fillStartingGoods();
    items = std::make_unique<Lumo::BakeryItems>(device().getSceneManager(), Lumo::gGameData->spriteDefinitions);
}

void ItemsFixture::TearDown()
{
    items.reset();
    NullDeviceFixture::TearDown();
}

std::wstring ItemsFixture::frameOf(const Lumo::VisualItemSingle& item)
{
    const Lumo::VisualCharacterFrame* frame = item.getSpriteNode() ? item.getSpriteNode()->getCurrentFrame() : nullptr;
    return frame ? frame->getName() : std::wstring();
}

Lumo::VisualItemBoxPtr ItemsFixture::carryNewBox(const vector3df& heroPosition)
{
    Lumo::VisualItemBoxPtr box = items->addIngredientBox({100, 0, 0, 0, 1, 0}, heroPosition);
    EXPECT_TRUE(items->pickUp(heroPosition));
    EXPECT_EQ(items->getCarried(), box);
    return box;
}

Lumo::Tray ItemsFixture::rawTray(int32_t kind, int32_t count) const
{
    Lumo::Dough dough;
    dough.kind = kind;
    dough.batches = count;
    dough.bakeMinutes = bakeMinutesOf(kind);
    return Lumo::Tray::fromDough(dough);
}

Lumo::Tray ItemsFixture::bakedTray(int32_t kind, int32_t count, int32_t minutes) const
{
    Lumo::Tray tray = rawTray(kind, count);
    for (Lumo::BakedGood& good : tray.goods)
        good.bake(minutes);
    return tray;
}
