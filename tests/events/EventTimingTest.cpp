// Deadlines, replay stamps and the logged-events counter: everything that reads the device timer.
#include "support/NullDeviceFixture.h"
#include "support/RecordingListener.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SpawnLetterEvent.h"

#include <gtest/gtest.h>

#include <memory>

using namespace TovarWorks;

namespace {

class EventTimingTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        events.RegisterEventType(SetTimeEventType);
        events.AddListener(recorder, SetTimeEventType);
    }
    static IEventDataPtr setTime(int hour) { return std::make_shared<Lumo::SetTimeEvent>(hour, 0); }
    // Each delivery costs the given milliseconds of timer time.
    void deliveriesTake(uint32_t millis) {
        recorder->onEvent = [this, millis](const IEventData&) { advanceTime(millis); };
    }

    EventManager events;
    std::shared_ptr<RecordingListener> recorder = std::make_shared<RecordingListener>();
};

} // namespace

TEST_F(EventTimingTest, TickStopsOnceItsDeadlineIsReachedEvenAcrossTheTimerWrapping) {
    const struct {
        uint32_t start, cost;
        int queued;
        uint32_t limit;
        size_t delivered;
    } cases[] = {{0, 10, 4, 20, 2},          {0, 10, 3, 5, 1}, {0, 1000, 5, IEventManager::kInfinite, 5},
                 {0xFFFFFFF0u, 10, 4, 25, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        device().getIrrlichtDevice()->getTimer()->setTime(c.start);
        recorder->heard.clear();
        deliveriesTake(c.cost);
        for (int i = 0; i < c.queued; ++i)
            events.QueueEvent(setTime(i));
        EXPECT_EQ(c.delivered == static_cast<size_t>(c.queued), events.Tick(c.limit));
        EXPECT_EQ(c.delivered, recorder->heard.size());
        EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    }
}

TEST_F(EventTimingTest, EventsWithoutListenerEntryDoNotEndATickEarly) {
    events.RegisterEventType(SpawnLetterEventType);
    events.RegisterEventType(EventType("*"));
    auto all = std::make_shared<RecordingListener>("all");
    events.AddListener(all, EventType("*"));
    // With a deadline of 0 ms every time check fails; an event whose type has no entry is not
    // checked, so delivery goes on to the next one.
    events.QueueEvent(std::make_shared<Lumo::SpawnLetterEvent>());
    events.QueueEvent(setTime(1));
    events.QueueEvent(setTime(2));
    EXPECT_FALSE(events.Tick(0));
    EXPECT_EQ(2u, all->heard.size());
    EXPECT_EQ(1u, recorder->heard.size());
}

TEST_F(EventTimingTest, LoggedEventsCountIsPublishedToTheConsole) {
    events.loggingEnabled = true;
    events.QueueEvent(setTime(1));
    events.QueueEvent(setTime(2));
    const auto& variables = device().getConsole()->debugVariables;
    ASSERT_EQ(1u, variables.size());
    EXPECT_EQ(irr::core::stringw(L"Logged Events"), variables[0].name);
    EXPECT_EQ(irr::core::stringw(L"2.000000"), variables[0].value);
}

TEST_F(EventTimingTest, TheGameStateChangeStampsItselfAndNovelEventsStayOutOfTheDevice) {
    advanceTime(4321);
    const uint32_t now = device().getTime();
    ASSERT_NE(0u, now);
    EXPECT_EQ(now, Lumo::ChangeGameStateEvent(true, true).GetTimeStamp());
    EventManager& deviceEvents = *device().getEventManager();
    EXPECT_FALSE(deviceEvents.QueueEvent(std::make_shared<NextTextEvent>()));
    EXPECT_TRUE(deviceEvents.queue(0).empty() && deviceEvents.queue(1).empty());
}
