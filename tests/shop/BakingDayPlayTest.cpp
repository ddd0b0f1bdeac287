// One whole baking day played through the real keys on the null driver: flour from the
// storeroom to the table, a bun dough, kneading, the oven, the counter, the first customer, bed.
// Only the trips between rooms are shortened by teleporting the baker close to where she works;
// she walks the last steps, and every interaction is a key the player would press.
#include "ShopPlayFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <sstream>

using namespace Lumo;
using irr::core::vector3df;

class BakingDayPlay : public ShopPlayFixture {
protected:
    static constexpr uint32_t kFrameMillis = 40;

    void SetUp() override {
        ScriptedPlayOptions options;
        options.frameMillis = kFrameMillis;
        start(options);
    }

    vector3df hero() { return visual().getHero()->getNode()->getPosition(); }

    void teleport(const vector3df& spot) {
        TovarWorks::gDevice->getEventManager()->QueueEvent(std::make_shared<TeleportCharacterEvent>("hero", spot));
        play->runFrames(1);
    }

    // Holds an arrow key until the baker has got where the test wants her; false if she never does.
    bool walk(irr::EKEY_CODE arrow, const std::function<bool(const vector3df&)>& arrived) {
        play->press(arrow);
        const bool there = play->runUntil([&] { return arrived(hero()); }, 200);
        play->release(arrow);
        play->runFrames(1);
        return there;
    }

    // Types keys through the input script, each held for three frames: "SPACE RIGHT RIGHT".
    void typeKeys(const std::string& names) {
        std::istringstream words(names);
        std::ostringstream script;
        uint32_t frame = play->getFrame();
        std::string name;
        while (words >> name) {
            script << frame << " press " << name << '\n' << frame + 3 << " release " << name << '\n';
            frame += 5;
        }
        std::string error;
        ASSERT_TRUE(play->scheduleText(script.str(), error)) << error;
        play->runFrames(frame - play->getFrame() + 1);
    }

    VisualItemMultiPtr trayInOven() {
        return std::dynamic_pointer_cast<VisualItemMulti>(bakery().getField(FIELD_OVEN).firstItem());
    }
};

TEST_F(BakingDayPlay, FromFlourToAPaidBunAndToBed) {
    ASSERT_EQ(1, world().day);
    ASSERT_LT(world().minuteOfDay, 7 * 60);

    // The storeroom: two steps of flour into a box.
    teleport(vector3df(865, 0, 645));
    ASSERT_TRUE(walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 655; })) << play->describeState();
    typeKeys("SPACE");
    ASSERT_EQ(MODE_STORAGE, mode());
    typeKeys("RIGHT RIGHT DOWN DOWN DOWN DOWN DOWN SPACE");
    ASSERT_EQ(MODE_WALKING, mode());
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());
    EXPECT_EQ(300, world().storeroomStock[kFlour]);

    // The work table: the box is emptied into the table's stock.
    teleport(vector3df(815, 0, 615));
    ASSERT_TRUE(walk(irr::KEY_LEFT, [](const vector3df& p) { return p.X <= 805; })) << play->describeState();
    typeKeys("C");
    ASSERT_FALSE(visual().getItemWorld()->isCarrying());
    ASSERT_EQ(200, world().tableStock[kFlour]);

    // Four batches of buns from the recipe book.
    typeKeys("SPACE");
    ASSERT_EQ(MODE_DOUGH_MENU, mode());
    typeKeys("SPACE RIGHT SPACE DOWN DOWN DOWN DOWN DOWN DOWN DOWN RIGHT RIGHT RIGHT SPACE");
    ASSERT_EQ(MODE_MIXING, mode());
    ASSERT_TRUE(finishWork());
    ASSERT_TRUE(visual().getItemWorld()->tableHoldsDough());
    EXPECT_EQ(0, world().tableStock[kFlour]);

    typeKeys("SPACE");
    ASSERT_EQ(MODE_KNEADING, mode());
    ASSERT_TRUE(finishWork());
    ASSERT_FALSE(visual().getItemWorld()->tableHoldsDough());

    // The tray into the oven, out again once the buns are baked.
    typeKeys("C");
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());
    teleport(vector3df(825, 0, 615));
    ASSERT_TRUE(walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 625; })) << play->describeState();
    typeKeys("C");
    ASSERT_TRUE(play->runUntil([&] { return trayInOven() != nullptr; }, 100));
    const VisualItemMultiPtr tray = trayInOven();
    ASSERT_EQ(4u, tray->getGoods().size());
    ASSERT_TRUE(play->runUntil([&] { return tray->getGoods().front()->getGood().stage >= 2; }, 20000))
        << play->describeState();
    EXPECT_EQ(2, tray->getGoods().front()->getGood().stage);
    typeKeys("C");
    ASSERT_TRUE(visual().getItemWorld()->isCarrying());

    // On the counter, where the customers will see them.
    teleport(vector3df(812, 0, 590));
    ASSERT_TRUE(walk(irr::KEY_DOWN, [](const vector3df& p) { return p.Z <= 572; })) << play->describeState();
    typeKeys("C");
    ASSERT_TRUE(play->runUntil([&] { return !visual().getItemWorld()->isCarrying(); }, 10));
    ASSERT_EQ(4u, bakery().readyGoodsOnDisplay().size());

    // The first customer of the day comes to the counter.
    ASSERT_TRUE(play->runUntil(
        [&] {
            const auto& queue = visual().getCustomerQueue();
            return !queue.empty() &&
                   queue.front().character->getNode()->getPosition().getDistanceFrom(vector3df(815, 0, 550)) < 1.0f;
        },
        40000))
        << play->describeState();
    const int money = world().money;
    const float popularity = world().flagsAndPopularity.popularity;
    typeKeys("SPACE");
    ASSERT_EQ(MODE_SELLING, mode());
    const int reference = screens().getSellMenu().referencePrice();
    const size_t taken = screens().getSellMenu().offeredGoods().size();
    EXPECT_EQ(basePrice(kBun) * static_cast<int>(taken), reference);
    EXPECT_EQ(reference, screens().getSellMenu().askedPrice());
    typeKeys("SPACE");
    ASSERT_EQ(MODE_WALKING, mode());
    EXPECT_EQ(money + reference, world().money);
    EXPECT_GT(world().flagsAndPopularity.popularity, popularity);
    EXPECT_EQ(4u - taken, bakery().readyGoodsOnDisplay().size());

    // Bed: SPACE asks, up chooses yes, SPACE confirms; the next day begins.
    teleport(vector3df(910, 0, 640));
    ASSERT_TRUE(walk(irr::KEY_UP, [](const vector3df& p) { return p.Z >= 645; })) << play->describeState();
    typeKeys("SPACE UP SPACE");
    ASSERT_TRUE(play->runUntil([&] { return world().day == 2 && play->getLogic().hasPlayerControl(); }, 500))
        << play->describeState();
    EXPECT_LT(world().minuteOfDay, 7 * 60);
    EXPECT_EQ(money + reference, world().money);
}
