// The bakery's things in the game: the C key, the carried tray held up, and the letter. The world's
// clock reaching the oven is held by the thirteen-day playthrough's first tray.
#include "ItemsFixture.h"

#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Items/ShopItemWorld.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class ShopItemWorldTest : public ItemsFixture {
protected:
    void SetUp() override {
        ItemsFixture::SetUp();
        world = std::make_unique<ShopItemWorld>(device().getSceneManager(), gGameData->spriteDefinitions);
    }
    void TearDown() override {
        world.reset();
        ItemsFixture::TearDown();
    }
    std::unique_ptr<ShopItemWorld> world;
};

TEST_F(ShopItemWorldTest, TheCarryKeyTakesTheTrayOffTheTableAndHoldsItLowerWhenSheLooksAside) {
    const VisualItemMultiPtr tray = world->bakery().putGoodsOnNewTray(rawTray(kBun, 1));
    EXPECT_FALSE(world->tableIsEmpty());
    EXPECT_FALSE(world->tableHoldsDough());
    world->carryKey(kAtTable, FACE_UP);
    EXPECT_TRUE(world->isCarrying());
    EXPECT_TRUE(world->tableIsEmpty());
    world->update(16, kAtOven, FACE_RIGHT);
    EXPECT_EQ(kAtOven + vector3df(0.f, 25.f, -2.f), tray->getPosition()) << "held lower when she looks aside";
    world->update(16, kAtOven, FACE_UP);
    EXPECT_EQ(kAtOven + vector3df(0.f, 30.f, -2.f), tray->getPosition());
}

TEST_F(ShopItemWorldTest, TheLetterIsTakenOnlyWithinReachAndOnce) {
    world->spawnLetter();
    const vector3df inFrontOfIt = ShopItemWorld::kLetterSpot + vector3df(0.f, 0.f, -8.f);
    EXPECT_FALSE(world->takeLetterNear(inFrontOfIt + vector3df(0.f, 0.f, -10.f), 15.f));
    EXPECT_TRUE(world->takeLetterNear(inFrontOfIt, 15.f));
    EXPECT_FALSE(world->takeLetterNear(inFrontOfIt, 15.f));
}

TEST_F(ShopItemWorldTest, TheLetterHasAPlaceOfItsOwnThatNoTrayCovers) {
    world->spawnLetter();
    BakeryItems& bakery = world->bakery();
    const auto letter = std::find_if(bakery.getItems().begin(), bakery.getItems().end(),
                                     [](const VisualItemPtr& item) { return item->getKind() == ITEM_LETTER; });
    ASSERT_NE(bakery.getItems().end(), letter);
    (*letter)->getNode()->updateAbsolutePosition();
    const irr::core::aabbox3df envelope = (*letter)->getNode()->getTransformedBoundingBox();
    for (const ItemDropFieldPtr& field : bakery.getFields())
        EXPECT_FALSE(field->covers((*letter)->getPosition())) << "the baker could put things down on the letter";
    // Trays on every display spot of the counter, as the day's baking fills it.
    for (const ShopField counter : {FIELD_COUNTER_LEFT, FIELD_COUNTER_RIGHT})
        while (true) {
            const VisualItemMultiPtr tray = bakery.getFactory().tray(vector3df());
            bakery.add(tray);
            if (!bakery.place(tray, counter)) {
                bakery.remove(tray);
                break;
            }
            tray->getNode()->updateAbsolutePosition();
            EXPECT_FALSE(tray->getNode()->getTransformedBoundingBox().intersectsWithBox(envelope))
                << "a tray at " << tray->getPosition().X << " lies over the letter";
        }
}

} // namespace
