#include "TovarWorks/Events/EventManager.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "TovarWorks/Events/EventLogFile.h"
#include "TovarWorks/TovarDevice.h"

#include <algorithm>
#include <cstdio>

namespace TovarWorks {

namespace {
constexpr uint32_t kWildcard = 0;
constexpr int kLoggedEventsVariable = 1;
} // namespace

uint32_t EventManager::now() { return gDevice ? gDevice->getTime() : 0; }

const EventManager::ListenerList* EventManager::listenersOf(uint32_t hash) const {
    auto it = listeners.find(hash);
    return it == listeners.end() ? nullptr : &it->second;
}

bool EventManager::ValidateType(const EventType& type) const {
    if (type.getName().empty())
        return false;
    if (type.getHash() == kWildcard && type.getName() != "*")
        return false;
    return registeredTypes.count(type) != 0;
}

void EventManager::RegisterEventType(const EventType& type) { registeredTypes.insert(type); }

bool EventManager::AddListener(const IEventListenerPtr& listener, const EventType& type) {
    if (!ValidateType(type))
        return false;
    ListenerList& list = listeners[type.getHash()];
    if (std::find(list.begin(), list.end(), listener) != list.end())
        return false;
    list.push_back(listener);
    return true;
}

bool EventManager::RemoveListener(const IEventListenerPtr& listener, const EventType& type) {
    if (!ValidateType(type))
        return false;
    bool removed = false;
    for (auto& entry : listeners) {
        ListenerList& list = entry.second;
        auto it = std::find(list.begin(), list.end(), listener);
        if (it != list.end()) {
            list.erase(it);
            removed = true;
        }
    }
    return removed;
}

void EventManager::deliverToWildcards(const IEventData& event) {
    auto it = listeners.find(kWildcard);
    if (it == listeners.end())
        return;
    // A copy: listeners may add or remove listeners while they are being called.
    const ListenerList wildcards = it->second;
    for (const IEventListenerPtr& listener : wildcards)
        listener->HandleEvent(event);
}

bool EventManager::Trigger(const IEventData& event) {
    if (!ValidateType(event.GetEventType()))
        return false;
    deliverToWildcards(event);
    auto it = listeners.find(event.GetEventType().getHash());
    if (it == listeners.end())
        return false;
    const ListenerList receivers = it->second;
    bool consumed = false;
    for (const IEventListenerPtr& listener : receivers)
        if (listener->HandleEvent(event))
            consumed = true;
    return consumed;
}

bool EventManager::QueueEvent(const IEventDataPtr& event) {
    if (!event || !ValidateType(event->GetEventType()))
        return false;
    if (!listeners.count(event->GetEventType().getHash()) && !listeners.count(kWildcard))
        return false;
    queues[activeQueue].push_back(event);
    if (loggingEnabled) {
        eventLog.push_back(event);
        if (gDevice && gDevice->getConsole()) {
            char value[64];
            std::snprintf(value, sizeof value, "%0.6f", static_cast<double>(eventLog.size()));
            gDevice->getConsole()->setDebugVariable(kLoggedEventsVariable, L"Logged Events",
                                                    irr::core::stringw(value));
        }
    }
    return true;
}

bool EventManager::AbortEvent(const EventType&, bool) { return true; }

bool EventManager::Tick(uint32_t maxMillis) {
    const uint32_t current = now();

    if (!replayList.empty()) {
        const IEventDataPtr& first = replayList.front();
        if (current - replayStartTime > first->GetTimeStamp() - replayBaseStamp) {
            const IEventDataPtr replayed = first;
            replayList.pop_front();
            QueueEvent(replayed);
        }
    }

    const bool limited = maxMillis != kInfinite;
    const uint32_t deadline = current + maxMillis;

    const int toProcess = activeQueue;
    activeQueue = (activeQueue + 1) % 2;
    queues[activeQueue].clear();

    std::deque<IEventDataPtr>& delivering = queues[toProcess];
    while (!delivering.empty()) {
        const IEventDataPtr event = delivering.front();
        delivering.pop_front();
        if (event->next)
            QueueEvent(event->next);

        deliverToWildcards(*event);
        auto it = listeners.find(event->GetEventType().getHash());
        if (it == listeners.end())
            continue;
        const ListenerList receivers = it->second;
        for (const IEventListenerPtr& listener : receivers)
            if (listener->HandleEvent(*event))
                break;

        if (limited && static_cast<int32_t>(now() - deadline) >= 0)
            break;
    }

    if (delivering.empty())
        return true;
    std::deque<IEventDataPtr>& next = queues[activeQueue];
    next.insert(next.begin(), delivering.begin(), delivering.end());
    delivering.clear();
    return false;
}

void EventManager::SaveEventLog(std::wstring fileName) { writeEventLog(fileName, eventLog); }

void EventManager::LoadEventLog(std::wstring fileName) {
    const size_t before = replayList.size();
    // Replay timing restarts with whatever was loaded, even when the file fails part-way.
    auto restartReplay = [&] {
        if (replayList.size() > before) {
            replayStartTime = now();
            replayBaseStamp = replayList.front()->GetTimeStamp();
        }
    };
    try {
        readEventLog(fileName, [&](const IEventDataPtr& event) { replayList.push_back(event); });
    } catch (...) {
        restartReplay();
        throw;
    }
    restartReplay();
}

} // namespace TovarWorks
