#include "ItemsFixture.h"

#include "src_lumo/Items/ShopItemWorld.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class ShopItemWorldTest : public ItemsFixture {
protected:
    void SetUp() override
    {
        ItemsFixture::SetUp();
        world = std::make_unique<ShopItemWorld>(device().getSceneManager(), gGameData->spriteDefinitions);
    }
    void TearDown() override
    {
        world.reset();
        ItemsFixture::TearDown();
    }

    std::unique_ptr<ShopItemWorld> world;
};

TEST_F(ShopItemWorldTest, CarryKeyTakesTheBoxToTheTableStock)
{
    gGameData->world.tableStock = {};
    world->bakery().addIngredientBox({200, 0, 0, 0, 1, 0}, kAtTable);
    world->carryKey(kAtTable, FACE_UP);
    EXPECT_TRUE(world->isCarrying());
    world->carryKey(kAtTable, FACE_UP);
    EXPECT_FALSE(world->isCarrying());
    EXPECT_EQ(gGameData->world.tableStock, (IngredientRow{200, 0, 0, 0, 1, 0}));
    EXPECT_TRUE(world->tableIsEmpty());
}

TEST_F(ShopItemWorldTest, UpdateBakesByTheWorldClockAndHoldsTheCarriedTrayUp)
{
    const VisualItemMultiPtr tray = world->bakery().putGoodsOnNewTray(rawTray(1, 1));
    EXPECT_FALSE(world->tableIsEmpty());
    EXPECT_FALSE(world->tableHoldsDough());
    world->carryKey(kAtTable, FACE_UP);
    world->update(16, kAtOven, FACE_UP);
    EXPECT_EQ(tray->getPosition(), kAtOven + vector3df(0.f, 30.f, -2.f));
    world->carryKey(kAtOven, FACE_UP);
    ASSERT_EQ(world->bakery().getField(FIELD_OVEN).firstItem(), tray);

    gGameData->world.minuteOfDay = 600;
    world->update(16, kAtOven, FACE_UP);
    gGameData->world.minuteOfDay = 600 + bakeMinutesOf(1);
    world->update(16, kAtOven, FACE_UP);
    EXPECT_TRUE(tray->getGoods().front()->getGood().done);
}

TEST_F(ShopItemWorldTest, TableWithDoughIsReadyForKneading)
{
    world->bakery().place(world->bakery().getFactory().dough(L"item_dough_3", {}), FIELD_TABLE);
    EXPECT_TRUE(world->tableHoldsDough());
}

TEST_F(ShopItemWorldTest, LetterIsTakenOnlyWithinReach)
{
    world->spawnLetter();
    const vector3df behindCounter(835.f, 0.f, 578.f);
    EXPECT_FALSE(world->takeLetterNear(behindCounter + vector3df(0.f, 0.f, 5.f), 15.f));
    EXPECT_TRUE(world->takeLetterNear(behindCounter, 15.f));
    EXPECT_FALSE(world->takeLetterNear(behindCounter, 15.f)); // read once
}

TEST_F(ShopItemWorldTest, ClearDayTakesTheLetter)
{
    world->spawnLetter();
    world->clearDay();
    EXPECT_FALSE(world->takeLetterNear(ShopItemWorld::kLetterSpot, 15.f));
}

} // namespace
