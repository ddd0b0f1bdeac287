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

class EventManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.RegisterEventType(SetTimeEventType);
        events.RegisterEventType(SpawnLetterEventType);
        events.RegisterEventType(CallActionEventType);
    }

    std::shared_ptr<RecordingListener> listener(const char* name = "l", bool consumes = false) {
        return std::make_shared<RecordingListener>(name, consumes);
    }
    static IEventDataPtr setTime(int hour) { return std::make_shared<Lumo::SetTimeEvent>(hour, 0); }
    static IEventDataPtr letter() { return std::make_shared<Lumo::SpawnLetterEvent>(); }

    EventManager events;
    const EventType wildcard{"*"};
};

} // namespace

// --- registration and types ---

TEST_F(EventManagerTest, RegisteringTheSameHashAgainKeepsOneType) {
    EXPECT_TRUE(events.ValidateType(EventType("SetTimeEvent")));
    events.RegisterEventType(EventType("SETTIMEEVENT"));
    EXPECT_TRUE(events.ValidateType(EventType("settimeevent")));
    // The same hash under another name is the same registered type.
    EXPECT_TRUE(events.ValidateType(SetTimeEventType));
}

TEST_F(EventManagerTest, ValidateTypeRefusesEmptyMalformedAndUnregistered) {
    EXPECT_FALSE(events.ValidateType(EventType("")));
    EXPECT_FALSE(events.ValidateType(EventType(nullptr)));
    EXPECT_FALSE(events.ValidateType(NextTextEventType));
    events.RegisterEventType(wildcard);
    EXPECT_TRUE(events.ValidateType(wildcard));
}

TEST_F(EventManagerTest, WildcardIsValidOnlyOnceRegistered) {
    EXPECT_FALSE(events.AddListener(listener(), wildcard));
    events.RegisterEventType(wildcard);
    EXPECT_TRUE(events.AddListener(listener(), wildcard));
}

// --- listeners ---

TEST_F(EventManagerTest, AddListenerForUnregisteredTypeCreatesNoEntry) {
    EXPECT_FALSE(events.AddListener(listener(), NextTextEventType));
    EXPECT_EQ(nullptr, events.listenersOf(NextTextEventType.getHash()));
}

TEST_F(EventManagerTest, SameListenerOncePerTypeButForSeveralTypes) {
    auto l = listener();
    EXPECT_TRUE(events.AddListener(l, SetTimeEventType));
    EXPECT_FALSE(events.AddListener(l, SetTimeEventType));
    EXPECT_TRUE(events.AddListener(l, SpawnLetterEventType));
    EXPECT_EQ(1u, events.listenersOf(SetTimeEventType.getHash())->size());
}

TEST_F(EventManagerTest, RemoveListenerRemovesFromEveryType) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    events.AddListener(l, SpawnLetterEventType);
    EXPECT_TRUE(events.RemoveListener(l, CallActionEventType));
    EXPECT_TRUE(events.listenersOf(SetTimeEventType.getHash())->empty());
    EXPECT_TRUE(events.listenersOf(SpawnLetterEventType.getHash())->empty());
    EXPECT_FALSE(events.RemoveListener(l, SetTimeEventType)); // nothing left to remove
}

TEST_F(EventManagerTest, RemoveListenerWithUnregisteredTypeChangesNothing) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    EXPECT_FALSE(events.RemoveListener(l, NextTextEventType));
    EXPECT_EQ(1u, events.listenersOf(SetTimeEventType.getHash())->size());
}

// --- Trigger ---

TEST_F(EventManagerTest, TriggerLetsEveryListenerSeeTheEvent) {
    auto consumer = listener("consumer", true);
    auto other = listener("other", false);
    events.AddListener(consumer, SetTimeEventType);
    events.AddListener(other, SetTimeEventType);
    const Lumo::SetTimeEvent event(7, 15);
    EXPECT_TRUE(events.Trigger(event));
    EXPECT_EQ(1u, consumer->heard.size());
    EXPECT_EQ(1u, other->heard.size());
}

TEST_F(EventManagerTest, TriggerReportsWhetherAnyTypeListenerConsumed) {
    auto quiet = listener("quiet", false);
    events.AddListener(quiet, SetTimeEventType);
    EXPECT_FALSE(events.Trigger(Lumo::SetTimeEvent(1, 2)));
    EXPECT_FALSE(events.Trigger(Lumo::SpawnLetterEvent())); // no entry for the type
    EXPECT_FALSE(events.Trigger(NextTextEvent()));          // not registered
    EXPECT_EQ(1u, quiet->heard.size());
}

TEST_F(EventManagerTest, TriggerCallsWildcardListenersFirstAndIgnoresTheirAnswer) {
    events.RegisterEventType(wildcard);
    std::vector<std::string> order;
    auto all = listener("all", true);
    auto typed = listener("typed", false);
    all->onEvent = [&](const IEventData&) { order.push_back("all"); };
    typed->onEvent = [&](const IEventData&) { order.push_back("typed"); };
    events.AddListener(typed, SetTimeEventType);
    events.AddListener(all, wildcard);
    EXPECT_FALSE(events.Trigger(Lumo::SetTimeEvent(1, 2)));
    EXPECT_EQ((std::vector<std::string>{"all", "typed"}), order);
    // A type without an entry still reaches the wildcard listeners.
    events.Trigger(Lumo::SpawnLetterEvent());
    EXPECT_EQ(2u, all->heard.size());
}

// --- QueueEvent and Tick ---

TEST_F(EventManagerTest, QueueRefusesUnregisteredTypesAndTypesNobodyHears) {
    EXPECT_FALSE(events.QueueEvent(std::make_shared<NextTextEvent>()));
    EXPECT_FALSE(events.QueueEvent(letter()));
    EXPECT_FALSE(events.QueueEvent(nullptr));
    EXPECT_TRUE(events.queue(0).empty());
    EXPECT_TRUE(events.queue(1).empty());
}

TEST_F(EventManagerTest, AnEmptiedListenerEntryStillAcceptsEvents) {
    auto l = listener();
    events.AddListener(l, SpawnLetterEventType);
    events.RemoveListener(l, SpawnLetterEventType);
    EXPECT_TRUE(events.QueueEvent(letter()));
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_TRUE(l->heard.empty());
}

TEST_F(EventManagerTest, WildcardEntryMakesAnyRegisteredTypeQueueable) {
    events.RegisterEventType(wildcard);
    auto all = listener();
    events.AddListener(all, wildcard);
    EXPECT_TRUE(events.QueueEvent(letter()));
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(1u, all->heard.size());
}

TEST_F(EventManagerTest, TickStopsAtTheFirstConsumingListener) {
    auto first = listener("first", false);
    auto consumer = listener("consumer", true);
    auto last = listener("last", false);
    events.AddListener(first, SetTimeEventType);
    events.AddListener(consumer, SetTimeEventType);
    events.AddListener(last, SetTimeEventType);
    events.QueueEvent(setTime(6));
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_EQ(1u, first->heard.size());
    EXPECT_EQ(1u, consumer->heard.size());
    EXPECT_TRUE(last->heard.empty());
}

TEST_F(EventManagerTest, WildcardListenersSeeQueuedEventsEvenWhenConsumed) {
    events.RegisterEventType(wildcard);
    auto all = listener("all", true);
    auto consumer = listener("consumer", true);
    events.AddListener(all, wildcard);
    events.AddListener(consumer, SetTimeEventType);
    events.QueueEvent(setTime(6));
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(1u, all->heard.size());
    EXPECT_EQ(1u, consumer->heard.size());
}

TEST_F(EventManagerTest, TickDeliversInQueueOrderAndAlternatesQueues) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    const IEventDataPtr a = setTime(1), b = setTime(2), c = setTime(3);
    events.QueueEvent(a);
    events.QueueEvent(b);
    events.QueueEvent(c);
    EXPECT_EQ(0, events.getActiveQueue());
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_EQ(1, events.getActiveQueue());
    EXPECT_EQ((std::vector<const IEventData*>{a.get(), b.get(), c.get()}), l->heard);
    EXPECT_TRUE(events.queue(0).empty());
}

TEST_F(EventManagerTest, EventQueuedDuringTickWaitsForTheNextTick) {
    auto l = listener();
    const IEventDataPtr followUp = setTime(9);
    l->onEvent = [&](const IEventData& event) {
        if (&event != followUp.get())
            events.QueueEvent(followUp);
    };
    events.AddListener(l, SetTimeEventType);
    events.QueueEvent(setTime(1));
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    EXPECT_EQ(1u, l->heard.size());
    events.Tick(IEventManager::kInfinite);
    ASSERT_EQ(2u, l->heard.size());
    EXPECT_EQ(followUp.get(), l->heard[1]);
}

TEST_F(EventManagerTest, NextIsQueuedWhenItsEventIsTakenOutAndDeliveredOneTickLater) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    const IEventDataPtr head = setTime(1);
    head->next = setTime(2);
    head->next->next = setTime(3);
    events.QueueEvent(head);
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ(1u, l->heard.size());
    EXPECT_EQ(1u, events.queue(events.getActiveQueue()).size());
    events.Tick(IEventManager::kInfinite);
    events.Tick(IEventManager::kInfinite);
    EXPECT_EQ((std::vector<const IEventData*>{head.get(), head->next.get(),
                                              head->next->next.get()}),
              l->heard);
}

TEST_F(EventManagerTest, NextOfAnUnregisteredTypeIsDroppedQuietly) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    const IEventDataPtr head = setTime(1);
    head->next = std::make_shared<NextTextEvent>();
    events.QueueEvent(head);
    events.Tick(IEventManager::kInfinite);
    EXPECT_TRUE(events.queue(0).empty());
    EXPECT_TRUE(events.queue(1).empty());
}

TEST_F(EventManagerTest, AbortEventRemovesNothing) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    events.QueueEvent(setTime(1));
    EXPECT_TRUE(events.AbortEvent(SetTimeEventType, true));
    EXPECT_TRUE(events.AbortEvent(SetTimeEventType, false));
    EXPECT_EQ(1u, events.queue(0).size());
}

TEST_F(EventManagerTest, LoggingKeepsEveryQueuedEventWhileOn) {
    auto l = listener();
    events.AddListener(l, SetTimeEventType);
    events.QueueEvent(setTime(1));
    events.loggingEnabled = true;
    const IEventDataPtr logged = setTime(2);
    events.QueueEvent(logged);
    events.QueueEvent(std::make_shared<NextTextEvent>()); // refused: not logged either
    events.loggingEnabled = false;
    events.QueueEvent(setTime(3));
    ASSERT_EQ(1u, events.getEventLog().size());
    EXPECT_EQ(logged, events.getEventLog()[0]);
}

// --- listeners changing the lists during delivery ---

TEST_F(EventManagerTest, ListenerRemovingItselfAndOthersDuringTrigger) {
    auto remover = listener("remover");
    auto victim = listener("victim");
    std::weak_ptr<RecordingListener> weakRemover = remover;
    remover->onEvent = [&](const IEventData&) {
        events.RemoveListener(weakRemover.lock(), SetTimeEventType);
        events.RemoveListener(victim, SetTimeEventType);
    };
    events.AddListener(remover, SetTimeEventType);
    events.AddListener(victim, SetTimeEventType);
    remover.reset(); // the manager's list (and its copy) keep it alive while it runs
    events.Trigger(Lumo::SetTimeEvent(1, 1));
    // This delivery walked the list as it was; the next one sees the change.
    EXPECT_EQ(1u, victim->heard.size());
    EXPECT_TRUE(weakRemover.expired());
    events.Trigger(Lumo::SetTimeEvent(1, 2));
    EXPECT_EQ(1u, victim->heard.size());
}

TEST_F(EventManagerTest, ListenerAddingListenersDuringTick) {
    std::vector<std::shared_ptr<RecordingListener>> added;
    auto adder = listener("adder");
    adder->onEvent = [&](const IEventData&) {
        // Enough additions to force the list to grow (and move) while it is being walked.
        for (int i = 0; i < 64; ++i) {
            added.push_back(listener("added"));
            events.AddListener(added.back(), SetTimeEventType);
        }
    };
    events.AddListener(adder, SetTimeEventType);
    events.QueueEvent(setTime(1));
    events.QueueEvent(setTime(2));
    EXPECT_TRUE(events.Tick(IEventManager::kInfinite));
    // Listeners added while the first event was delivered hear the second, not the first.
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
        auto l = listener();
        weakListener = l;
        local.AddListener(l, SetTimeEventType);
        auto event = setTime(1);
        weakEvent = event;
        local.QueueEvent(event);
        EXPECT_EQ(&local, IEventManager::Current());
    }
    EXPECT_TRUE(weakListener.expired());
    EXPECT_TRUE(weakEvent.expired());
}
