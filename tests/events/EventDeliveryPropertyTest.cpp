// Random interleavings of queueing, ticking under random deadlines, follow-ups, and listeners
// joining, leaving and queueing while events are delivered: every accepted event is delivered
// exactly once, in the order it was accepted.
#include "support/NullDeviceFixture.h"
#include "support/RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "src_lumo/Events/CallActionEvent.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

using namespace TovarWorks;

namespace {

const EventType* const kTypes[] = {&SetTimeEventType, &SpawnLetterEventType, &CallActionEventType};

// Any registered type will do; the event's number rides in its action field.
class NumberedEvent : public Lumo::CallActionEvent {
public:
    NumberedEvent(int number, const EventType& type) : CallActionEvent(number), type(type) {}
    const EventType& GetEventType() const override { return type; }
    const EventType& type;
};

int numberOf(const IEventData& event) { return static_cast<const NumberedEvent&>(event).action; }

class EventDeliveryProperty : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        for (const EventType* type : kTypes)
            events.RegisterEventType(*type);
        events.RegisterEventType(wildcard);
        // The wildcard observer is called first for every delivered event.
        observer->onEvent = [this](const IEventData& event) {
            delivered.push_back(numberOf(event));
            if (event.next)
                accepted.push_back(numberOf(*event.next)); // queued as its parent was taken out
            advanceTime(below(5));
        };
        events.AddListener(observer, wildcard);
    }

    uint32_t below(uint32_t limit) { return std::uniform_int_distribution<uint32_t>(0, limit - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    const EventType& anyType() { return *kTypes[below(3)]; }
    IEventDataPtr makeEvent() { return std::make_shared<NumberedEvent>(nextNumber++, anyType()); }
    void queue(const IEventDataPtr& event) {
        if (events.QueueEvent(event))
            accepted.push_back(numberOf(*event));
    }

    // A typed listener that consumes at random, and while delivering may queue new events or add
    // and remove listeners (itself included).
    void addTypedListener() {
        auto listener = std::make_shared<RecordingListener>("typed", chance(0.3));
        std::weak_ptr<RecordingListener> self = listener;
        listener->onEvent = [this, self](const IEventData&) {
            if (quiet)
                return;
            if (chance(0.15))
                queue(makeEvent());
            if (chance(0.05))
                addTypedListener();
            if (chance(0.05))
                events.RemoveListener(self.lock(), SetTimeEventType);
        };
        typed.push_back(listener);
        events.AddListener(listener, anyType());
    }

    EventManager events;
    const EventType wildcard{"*"};
    std::mt19937 random;
    std::shared_ptr<RecordingListener> observer = std::make_shared<RecordingListener>("observer");
    std::vector<std::shared_ptr<RecordingListener>> typed;
    std::vector<int> accepted, delivered;
    int nextNumber = 0;
    bool quiet = false;
};

} // namespace

TEST_F(EventDeliveryProperty, EveryAcceptedEventIsDeliveredOnceInQueueOrder) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        random.seed(seed);
        for (int i = 0; i < 3; ++i)
            addTypedListener();
        for (int step = 0; step < 400; ++step) {
            const uint32_t action = below(10);
            if (action < 4) {
                queue(makeEvent());
            } else if (action == 4) {
                IEventDataPtr head = makeEvent();
                head->next = makeEvent(); // a chain of follow-ups
                if (chance(0.5))
                    head->next->next = makeEvent();
                queue(head);
            } else if (action == 5) {
                queue(std::make_shared<NextTextEvent>()); // refused: never registered
            } else if (action == 6) {
                addTypedListener();
            } else if (action == 7 && !typed.empty()) {
                events.RemoveListener(typed[below(typed.size())], *kTypes[0]);
            } else {
                events.Tick(chance(0.2) ? IEventManager::kInfinite : below(13));
            }
        }
        quiet = true;
        while (!events.queue(0).empty() || !events.queue(1).empty())
            events.Tick(IEventManager::kInfinite);
        ASSERT_EQ(accepted, delivered) << "seed " << seed;
        ASSERT_FALSE(delivered.empty());
        quiet = false;
        accepted.clear();
        delivered.clear();
    }
}
