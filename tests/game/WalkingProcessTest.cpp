// A character walking a path of the waypoint graph, and the customers' queue.
#include "InGame.h"

#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Processes/MoveCharacterPathProcess.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

#include <algorithm>

using Lumo::MoveCharacterPathProcess;

class WalkingProcess : public InGame {
protected:
    // An ordinary townsperson (not the merchant) comes in at that minute.
    std::shared_ptr<Lumo::CharNode> newCustomer(int arrival) {
        const auto& people = world().customers->townsfolk();
        const auto person = std::find_if(people.begin(), people.end(), [](const auto& t) { return !t->isMerchant(); });
        return visual().spawnCustomer(Lumo::DailyCustomer{*person, arrival}, arrival);
    }
    irr::core::vector3df node(const char* name) { return world().customers->pathFinder()->nodePosition(name); }
    void setTime(int minuteOfDay) { trigger(Lumo::SetTimeEvent(minuteOfDay / 60, minuteOfDay % 60)); }
};

TEST_F(WalkingProcess, AWalkFromAnUnknownNodeOrOfAMissingCharacterEndsAtOnce) {
    MoveCharacterPathProcess nowhere("nowhere", "park", "merchant", logic().getVisual());
    EXPECT_TRUE(nowhere.dead);
    EXPECT_EQ(MoveCharacterPathProcess::kNoWaypoint, nowhere.getWaypoint());
    auto nobody = std::make_shared<MoveCharacterPathProcess>("park", "sh_2", "nobody", logic().getVisual());
    TovarWorks::gDevice->getProcessManager()->Attach(nobody);
    play->runFrames(1);
    EXPECT_TRUE(nobody->dead);
}

TEST_F(WalkingProcess, TheMerchantWalksThePathInOrderAndStopsAtTheEnd) {
    auto walk = std::make_shared<MoveCharacterPathProcess>("park", "sh_2", "merchant", logic().getVisual());
    ASSERT_FALSE(walk->dead);
    const std::vector<irr::core::vector3df> path = walk->getPath();
    ASSERT_GE(path.size(), 2u);
    EXPECT_EQ(node("park"), path.front());
    EXPECT_EQ(node("sh_2"), path.back());
    TovarWorks::gDevice->getProcessManager()->Attach(walk);
    uint32_t lastWaypoint = 0;
    ASSERT_TRUE(play->runUntil(
        [&] {
            EXPECT_LE(walk->getWaypoint() - lastWaypoint, 1u) << "a waypoint was skipped";
            lastWaypoint = walk->getWaypoint();
            return walk->dead;
        },
        20000));
    const auto merchant = visual().findCharacter("merchant");
    EXPECT_LT(merchant->getNode()->getPosition().getDistanceFrom(path.back()), 3.0f);
    EXPECT_TRUE(merchant->getNode()->isVisible());
}

TEST_F(WalkingProcess, AServedCustomerWalksOutAndLeavesTheStage) {
    const auto customer = newCustomer(world().minuteOfDay);
    ASSERT_NE(nullptr, customer);
    play->runFrames(300);
    EXPECT_LT(customer->getNode()->getPosition().getDistanceFrom(irr::core::vector3df(815, 0, 550)), 1.0f);
    queue(std::make_shared<Lumo::RemoveCustomerEvent>());
    play->runFrames(1);
    EXPECT_TRUE(visual().getCustomerQueue().empty());
    ASSERT_TRUE(play->runUntil([&] { return !customer->getNode()->isVisible(); }, 20000));
    EXPECT_LT(customer->getNode()->getPosition().getDistanceFrom(node("park")), 3.0f);
}

TEST_F(WalkingProcess, CustomersLineUpAndTheFirstLeavesAfterThirtyMinutesUnlessBeingSoldTo) {
    const int arrival = world().minuteOfDay;
    newCustomer(arrival);
    const auto second = newCustomer(arrival + 1);
    play->runFrames(400);
    EXPECT_LT(second->getNode()->getPosition().getDistanceFrom(irr::core::vector3df(815, 0, 540)), 1.0f);
    setTime(arrival + 30);
    play->runFrames(3);
    EXPECT_EQ(2u, visual().getCustomerQueue().size());
    recorder->clear();
    setTime(arrival + 31);
    play->runFrames(2);
    ASSERT_EQ(1u, visual().getCustomerQueue().size());
    EXPECT_EQ(second, visual().getCustomerQueue().front().character);
    EXPECT_EQ(1u, recorder->count(TovarWorks::RemoveCustomerEventType));
    visual().setMode(Lumo::MODE_SELLING);
    setTime(arrival + 46);
    play->runFrames(5);
    EXPECT_EQ(1u, visual().getCustomerQueue().size()) << "patience ran out while being sold to";
}
