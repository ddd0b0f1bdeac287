#include "ItemsFixture.h"

#include "src_lumo/Processes/DropObjectProcess.h"

using irr::core::vector3df;
using namespace Lumo;

namespace {

class DropObjectProcessTest : public ItemsFixture {
protected:
    VisualItemPtr letterAt(const vector3df& position) { return bakery().getFactory().letter(position); }

    const vector3df start{0.f, 20.f, 0.f};
    const vector3df target{10.f, 0.f, -10.f};
};

TEST_F(DropObjectProcessTest, FallsFasterAndFasterWithoutEaseOut)
{
    const VisualItemPtr item = letterAt(start);
    DropObjectProcess fall(item, target, false);
    fall.OnUpdate(50);
    EXPECT_EQ(item->getPosition(), vector3df(5.f, 15.f, -5.f)); // a quarter of the height at half time
    EXPECT_FALSE(fall.dead);
}

TEST_F(DropObjectProcessTest, SlowsDownWithEaseOut)
{
    const VisualItemPtr item = letterAt(start);
    DropObjectProcess setDown(item, target, true);
    setDown.OnUpdate(50);
    EXPECT_EQ(item->getPosition(), vector3df(5.f, 5.f, -5.f)); // three quarters of the height at half time
}

TEST_F(DropObjectProcessTest, LandsAndDiesAtOneHundredMilliseconds)
{
    const VisualItemPtr item = letterAt(start);
    DropObjectProcess fall(item, target, false);
    fall.OnUpdate(60);
    fall.OnUpdate(39);
    EXPECT_FALSE(fall.dead);
    fall.OnUpdate(1);
    EXPECT_TRUE(fall.dead);
    EXPECT_EQ(item->getPosition(), target);
}

TEST_F(DropObjectProcessTest, LongFrameLandsExactlyOnTheTarget)
{
    const VisualItemPtr item = letterAt(start);
    DropObjectProcess fall(item, target, true);
    fall.OnUpdate(250);
    EXPECT_TRUE(fall.dead);
    EXPECT_EQ(item->getPosition(), target);
}

TEST_F(DropObjectProcessTest, StartsFromWhereTheItemIsWhenItFirstRuns)
{
    const VisualItemPtr item = letterAt(start);
    DropObjectProcess fall(item, target, false);
    item->setPosition(vector3df(20.f, 40.f, 0.f));
    fall.OnUpdate(50);
    EXPECT_EQ(item->getPosition(), vector3df(15.f, 30.f, -5.f));
}

TEST_F(DropObjectProcessTest, WithoutAnItemItJustRunsOut)
{
    DropObjectProcess fall(nullptr, target, false);
    fall.OnUpdate(99);
    EXPECT_FALSE(fall.dead);
    fall.OnUpdate(1);
    EXPECT_TRUE(fall.dead);
}

} // namespace
