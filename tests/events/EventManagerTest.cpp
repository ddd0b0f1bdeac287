#include "support/RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SpawnLetterEvent.h"

#include <gtest/gtest.h>

#include <memory>

using namespace TovarWorks;

namespace {

using Heard = std::vector<const IEventData*>;

class EventManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const EventType* type : {&SetTimeEventType, &SpawnLetterEventType, &CallActionEventType})
            events.RegisterEventType(*type);
    }
    // A listener already added for the given type.
    std::shared_ptr<RecordingListener> listening(const EventType& type, bool consumes = false) {
        auto listener = std::make_shared<RecordingListener>("l", consumes);
        EXPECT_TRUE(events.AddListener(listener, type));
        return listener;
    }
    static IEventDataPtr setTime(int hour) { return std::make_shared<Lumo::SetTimeEvent>(hour, 0); }
    static IEventDataPtr letter() { return std::make_shared<Lumo::SpawnLetterEvent>(); }
    void tick() { EXPECT_TRUE(events.Tick(IEventManager::kInfinite)); }
    bool queuesEmpty() const { return events.queue(0).empty() && events.queue(1).empty(); }

    EventManager events;
    const EventType wildcard{"*"};
};

} // namespace

TEST_F(EventManagerTest, OnlyRegisteredNamedTypesAreValidWhateverTheirSpelling) {
    EXPECT_TRUE(events.ValidateType(EventType("SETTIMEEVENT")));
    EXPECT_FALSE(events.ValidateType(EventType("")));
    EXPECT_FALSE(events.ValidateType(EventType(nullptr)));
    EXPECT_FALSE(events.ValidateType(NextTextEventType));
    auto l = std::make_shared<RecordingListener>();
    EXPECT_FALSE(events.AddListener(l, wildcard));
    EXPECT_FALSE(events.AddListener(l, NextTextEventType));
    EXPECT_EQ(nullptr, events.listenersOf(NextTextEventType.getHash()));
    events.RegisterEventType(wildcard);
    EXPECT_TRUE(events.AddListener(l, wildcard));
}

TEST_F(EventManagerTest, AListenerIsAddedOncePerTypeAndRemovedFromEveryType) {
    auto l = listening(SetTimeEventType);
    EXPECT_FALSE(events.AddListener(l, SetTimeEventType));
    EXPECT_TRUE(events.AddListener(l, SpawnLetterEventType));
    EXPECT_EQ(1u, events.listenersOf(SetTimeEventType.getHash())->size());
    EXPECT_FALSE(events.RemoveListener(l, NextTextEventType)); // unregistered: nothing changes
    EXPECT_EQ(1u, events.listenersOf(SetTimeEventType.getHash())->size());
    EXPECT_TRUE(events.RemoveListener(l, CallActionEventType));
    EXPECT_TRUE(events.listenersOf(SetTimeEventType.getHash())->empty());
    EXPECT_TRUE(events.listenersOf(SpawnLetterEventType.getHash())->empty());
    EXPECT_FALSE(events.RemoveListener(l, SetTimeEventType));
}

TEST_F(EventManagerTest, TriggerCallsWildcardsFirstThenEveryListenerAndTellsWhetherOneConsumed) {
    events.RegisterEventType(wildcard);
    std::vector<std::string> order;
    auto all = listening(wildcard, true);
    auto consumer = listening(SetTimeEventType, true);
    auto quiet = listening(CallActionEventType);
    all->onEvent = [&](const IEventData&) { order.push_back("all"); };
    consumer->onEvent = [&](const IEventData&) { order.push_back("typed"); };
    auto other = listening(SetTimeEventType);
    EXPECT_TRUE(events.Trigger(Lumo::SetTimeEvent(7, 15)));
    EXPECT_EQ((std::vector<std::string>{"all", "typed"}), order);
    EXPECT_EQ(1u, other->heard.size()); // consuming stops nobody
    EXPECT_FALSE(events.Trigger(Lumo::CallActionEvent(1))); // the wildcard's answer does not count
    EXPECT_EQ(1u, quiet->heard.size());
    EXPECT_FALSE(events.Trigger(Lumo::SpawnLetterEvent())); // no entry, yet the wildcard hears it
    EXPECT_EQ(3u, all->heard.size());
    EXPECT_FALSE(events.Trigger(NextTextEvent()));
    EXPECT_EQ(3u, all->heard.size());
}

TEST_F(EventManagerTest, QueueAcceptsOnlyRegisteredEventsSomebodyMightHear) {
    EXPECT_FALSE(events.QueueEvent(std::make_shared<NextTextEvent>()));
    EXPECT_FALSE(events.QueueEvent(letter()));
    EXPECT_FALSE(events.QueueEvent(nullptr));
    EXPECT_TRUE(queuesEmpty());
    auto l = listening(SpawnLetterEventType);
    events.RemoveListener(l, SpawnLetterEventType);
    EXPECT_TRUE(events.QueueEvent(letter())); // an emptied entry still counts
    events.RegisterEventType(wildcard);
    auto all = listening(wildcard);
    EXPECT_TRUE(events.QueueEvent(std::make_shared<Lumo::CallActionEvent>(1)));
    tick();
    EXPECT_EQ(2u, all->heard.size());
    EXPECT_TRUE(l->heard.empty());
}

TEST_F(EventManagerTest, TickStopsAtTheFirstConsumerButWildcardsHearEverything) {
    events.RegisterEventType(wildcard);
    auto all = listening(wildcard, true);
    auto first = listening(SetTimeEventType);
    auto consumer = listening(SetTimeEventType, true);
    auto last = listening(SetTimeEventType);
    events.QueueEvent(setTime(6));
    tick();
    EXPECT_EQ(1u, all->heard.size());
    EXPECT_EQ(1u, first->heard.size());
    EXPECT_EQ(1u, consumer->heard.size());
    EXPECT_TRUE(last->heard.empty());
}

TEST_F(EventManagerTest, AFollowUpIsQueuedWhenItsEventIsTakenOutUnlessItsTypeIsUnknown) {
    auto l = listening(SetTimeEventType);
    const IEventDataPtr head = setTime(1);
    head->next = setTime(2);
    head->next->next = std::make_shared<NextTextEvent>();
    events.QueueEvent(head);
    tick();
    EXPECT_EQ((Heard{head.get()}), l->heard);
    EXPECT_EQ(1u, events.queue(events.getActiveQueue()).size());
    tick();
    EXPECT_EQ((Heard{head.get(), head->next.get()}), l->heard);
    EXPECT_TRUE(queuesEmpty());
}

TEST_F(EventManagerTest, TheLogKeepsWhatWasAcceptedWhileOnEvenWithoutADevice) {
    listening(SetTimeEventType);
    events.loggingEnabled = true;
    const IEventDataPtr logged = setTime(2);
    events.QueueEvent(logged);
    events.QueueEvent(std::make_shared<NextTextEvent>()); // refused: not logged either
    events.loggingEnabled = false;
    events.QueueEvent(setTime(3));
    EXPECT_EQ((std::vector<IEventDataPtr>{logged}), events.getEventLog());
}

TEST_F(EventManagerTest, ListenersRemovedDuringDeliveryStillHearThisEventButNotTheNext) {
    auto remover = listening(SetTimeEventType);
    auto victim = listening(SetTimeEventType);
    std::weak_ptr<RecordingListener> weakRemover = remover;
    remover->onEvent = [&](const IEventData&) {
        events.RemoveListener(weakRemover.lock(), SetTimeEventType);
        events.RemoveListener(victim, SetTimeEventType);
    };
    remover.reset(); // the manager's list (and its copy) keep it alive while it runs
    events.Trigger(Lumo::SetTimeEvent(1, 1));
    EXPECT_EQ(1u, victim->heard.size());
    EXPECT_TRUE(weakRemover.expired());
    events.Trigger(Lumo::SetTimeEvent(1, 2));
    EXPECT_EQ(1u, victim->heard.size());
}

TEST_F(EventManagerTest, ListenersAddedDuringATickHearOnlyLaterEvents) {
    std::vector<std::shared_ptr<RecordingListener>> added;
    auto adder = listening(SetTimeEventType);
    adder->onEvent = [&](const IEventData&) {
        // Enough to make the list grow (and move) while it is walked.
        for (int i = 0; i < 64; ++i)
            added.push_back(listening(SetTimeEventType));
    };
    events.QueueEvent(setTime(1));
    events.QueueEvent(setTime(2));
    tick();
    ASSERT_EQ(128u, added.size());
    EXPECT_EQ(1u, added.front()->heard.size());
    EXPECT_TRUE(added.back()->heard.empty());
}

TEST_F(EventManagerTest, DestroyingTheManagerReleasesListenersAndEvents) {
    std::weak_ptr<RecordingListener> weakListener;
    std::weak_ptr<IEventData> weakEvent;
    {
        EventManager local;
        local.RegisterEventType(SetTimeEventType);
        auto l = std::make_shared<RecordingListener>();
        weakListener = l;
        local.AddListener(l, SetTimeEventType);
        auto event = setTime(1);
        weakEvent = event;
        local.QueueEvent(event);
        EXPECT_EQ(&local, IEventManager::Current());
    }
    EXPECT_TRUE(weakListener.expired());
    EXPECT_TRUE(weakEvent.expired());
    EXPECT_EQ(nullptr, IEventManager::Current());
}
