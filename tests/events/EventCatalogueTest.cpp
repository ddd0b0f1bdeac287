// What the event classes do beyond carrying their fields: the game-state change stamps itself
// with the device's time, and the novel's events stay out of the device's queues.
#include "support/NullDeviceFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"

#include <gtest/gtest.h>

#include <memory>

using namespace TovarWorks;
using namespace Lumo;

class EventCatalogueOnDevice : public NullDeviceFixture {};

TEST_F(EventCatalogueOnDevice, ChangeGameStateEventStampsItselfWithTheDeviceTime) {
    advanceTime(4321);
    const uint32_t now = device().getTime();
    ASSERT_NE(0u, now);
    const ChangeGameStateEvent event(true, true);
    EXPECT_EQ(now, event.GetTimeStamp());
    EXPECT_EQ(0u, SetTimerEvent(true).GetTimeStamp());
}

TEST_F(EventCatalogueOnDevice, NovelEventsAreRefusedByTheDevicesEventManager) {
    EventManager& events = *device().getEventManager();
    const size_t before = events.queue(0).size() + events.queue(1).size();
    EXPECT_FALSE(events.QueueEvent(std::make_shared<NextTextEvent>()));
    EXPECT_EQ(before, events.queue(0).size() + events.queue(1).size());
}
