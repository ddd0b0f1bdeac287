// A character walking a path of the waypoint graph, and the customers' queue.
#include "InGame.h"

#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
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

// When the first runs out of patience is tests/bakery's Patience, and that only the first leaves then
// is tests/story's Dialogues.
TEST_F(WalkingProcess, CustomersLineUpAndTheServedFirstWalksOutAndLeavesTheStage) {
    const int arrival = world().minuteOfDay;
    const auto first = newCustomer(arrival);
    const auto second = newCustomer(arrival + 1);
    play->runFrames(400);
    EXPECT_LT(first->getNode()->getPosition().getDistanceFrom(irr::core::vector3df(815, 0, 550)), 1.0f);
    EXPECT_LT(second->getNode()->getPosition().getDistanceFrom(irr::core::vector3df(815, 0, 540)), 1.0f);
    queue(std::make_shared<Lumo::RemoveCustomerEvent>());
    play->runFrames(1);
    ASSERT_EQ(1u, visual().getCustomerQueue().size());
    EXPECT_EQ(second, visual().getCustomerQueue().front().character);
    ASSERT_TRUE(play->runUntil([&] { return !first->getNode()->isVisible(); }, 20000));
    EXPECT_LT(first->getNode()->getPosition().getDistanceFrom(node("park")), 3.0f);
}
