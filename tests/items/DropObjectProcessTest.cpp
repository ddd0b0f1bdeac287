// A dropped thing's fall: a hundred milliseconds from where it is when the fall first runs onto
// the target, ever faster, or slowing down when it is set down.
#include "ItemsFixture.h"

#include "src_lumo/Processes/DropObjectProcess.h"

#include <optional>

using irr::core::vector3df;
using namespace Lumo;

namespace {

class DropObjectProcessTest : public ItemsFixture {};

TEST_F(DropObjectProcessTest, LandsOnTheTargetAfterAHundredMilliseconds) {
    const vector3df target(10.f, 0.f, -10.f);
    const struct {
        bool easeOut;
        vector3df startsAt;
        std::vector<uint32_t> frames;
        std::optional<vector3df> at;
        bool landed;
    } falls[] = {
        {false, {0, 20, 0}, {50}, vector3df(5, 15, -5), false}, // a quarter of the height at half time
        {true, {0, 20, 0}, {50}, vector3df(5, 5, -5), false},   // three quarters of it when setting down
        {false, {20, 40, 0}, {50}, vector3df(15, 30, -5), false},
        {false, {0, 20, 0}, {60, 39}, std::nullopt, false},
        {false, {0, 20, 0}, {60, 39, 1}, target, true},
        {true, {0, 20, 0}, {250}, target, true},
    };
    for (const auto& fall : falls) {
        SCOPED_TRACE(testing::PrintToString(fall.frames) + (fall.easeOut ? " setting down" : " falling"));
        const VisualItemPtr item = bakery().getFactory().letter(vector3df(0, 20, 0));
        DropObjectProcess process(item, target, fall.easeOut);
        item->setPosition(fall.startsAt);
        for (const uint32_t millis : fall.frames)
            process.OnUpdate(millis);
        if (fall.at)
            EXPECT_EQ(*fall.at, item->getPosition());
        EXPECT_EQ(fall.landed, process.dead);
    }
}

TEST_F(DropObjectProcessTest, WithoutAThingItJustRunsOut) {
    DropObjectProcess fall(nullptr, vector3df(10.f, 0.f, -10.f), false);
    fall.OnUpdate(99);
    EXPECT_FALSE(fall.dead);
    fall.OnUpdate(1);
    EXPECT_TRUE(fall.dead);
}

} // namespace
