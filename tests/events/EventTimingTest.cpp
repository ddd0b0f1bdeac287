// Deadlines, replay and the logged-events counter: everything that reads the device timer.
#include "support/NullDeviceFixture.h"
#include "support/RecordingListener.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SpawnLetterEvent.h"

#include <gtest/gtest.h>

#include <algorithm>
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

    static IEventDataPtr setTime(int hour, uint32_t stamp = 0) {
        auto event = std::make_shared<Lumo::SetTimeEvent>(hour, 0);
        event->timeStamp = stamp;
        return event;
    }
    // Each delivery costs the given milliseconds of timer time.
    void deliveriesTake(uint32_t millis) {
        recorder->onEvent = [this, millis](const IEventData&) { advanceTime(millis); };
    }

    EventManager events;
    std::shared_ptr<RecordingListener> recorder = std::make_shared<RecordingListener>();
};

} // namespace

TEST_F(EventTimingTest, DeadlineCarriesTheRestOverAheadOfNewerEvents) {
    deliveriesTake(10);
    const IEventDataPtr a = setTime(1), b = setTime(2), c = setTime(3), late = setTime(4);
    events.QueueEvent(a);
    events.QueueEvent(b);
    events.QueueEvent(c);
    EXPECT_FALSE(events.Tick(5)); // the first delivery already passes the deadline
    EXPECT_EQ(1u, recorder->heard.size());
    events.QueueEvent(late);
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_EQ((std::vector<const IEventData*>{a.get(), b.get(), c.get(), late.get()}),
              recorder->heard);
}

TEST_F(EventTimingTest, DeadlineIsReachedAtExactlyItsTime) {
    deliveriesTake(10);
    for (int i = 0; i < 4; ++i)
        events.QueueEvent(setTime(i));
    EXPECT_FALSE(events.Tick(20)); // stops once now == start + 20
    EXPECT_EQ(2u, recorder->heard.size());
    EXPECT_TRUE(events.Tick(1000));
    EXPECT_EQ(4u, recorder->heard.size());
}

TEST_F(EventTimingTest, NoLimitDeliversEverythingHoweverLongItTakes) {
    deliveriesTake(1000);
    for (int i = 0; i < 5; ++i)
        events.QueueEvent(setTime(i));
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_EQ(5u, recorder->heard.size());
}

TEST_F(EventTimingTest, DeadlineHoldsAcrossTheTimerWrapping) {
    device().getIrrlichtDevice()->getTimer()->setTime(0xFFFFFFF0u);
    deliveriesTake(10);
    for (int i = 0; i < 4; ++i)
        events.QueueEvent(setTime(i));
    EXPECT_FALSE(events.Tick(25)); // the deadline lies past the wrap
    EXPECT_EQ(3u, recorder->heard.size());
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
    auto found = std::find_if(variables.begin(), variables.end(),
                              [](const DebugVariable& v) { return v.name == L"Logged Events"; });
    ASSERT_NE(variables.end(), found);
    EXPECT_EQ(irr::core::stringw(L"2.000000"), found->value);
}
