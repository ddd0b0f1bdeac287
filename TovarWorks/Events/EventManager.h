#pragma once
#include "TovarWorks/Events/IEventManager.h"

#include <deque>
#include <map>
#include <set>
#include <vector>

namespace TovarWorks {

class EventManager : public IEventManager {
public:
    using ListenerList = std::vector<IEventListenerPtr>;

    bool AddListener(const IEventListenerPtr& listener, const EventType& type) override;
    bool RemoveListener(const IEventListenerPtr& listener, const EventType& type) override;
    bool Trigger(const IEventData& event) override;
    bool QueueEvent(const IEventDataPtr& event) override;
    bool AbortEvent(const EventType& type, bool allOfType) override;
    bool Tick(uint32_t maxMillis) override;
    bool ValidateType(const EventType& type) const override;
    void RegisterEventType(const EventType& type) override;
    void SaveEventLog(std::wstring fileName) override;
    void LoadEventLog(std::wstring fileName) override;

    bool loggingEnabled = false;

    // Read access for tests and tools.
    const std::deque<IEventDataPtr>& queue(int index) const { return queues[index]; }
    int getActiveQueue() const { return activeQueue; }
    const std::vector<IEventDataPtr>& getEventLog() const { return eventLog; }
    const std::deque<IEventDataPtr>& getReplayList() const { return replayList; }
    const ListenerList* listenersOf(uint32_t hash) const;

private:
    static uint32_t now();
    void deliverToWildcards(const IEventData& event);

    std::set<EventType> registeredTypes;
    std::map<uint32_t, ListenerList> listeners;
    std::deque<IEventDataPtr> queues[2];
    std::vector<IEventDataPtr> eventLog;
    std::deque<IEventDataPtr> replayList;
    uint32_t replayStartTime = 0;
    uint32_t replayBaseStamp = 0;
    int activeQueue = 0;
};

} // namespace TovarWorks
