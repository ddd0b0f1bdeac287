#pragma once
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Events/IEventListener.h"

#include <string>

namespace TovarWorks {

// The switchboard between components. Creating one makes it the current event manager.
class IEventManager {
public:
    IEventManager();
    virtual ~IEventManager();

    virtual bool AddListener(const IEventListenerPtr& listener, const EventType& type) = 0;
    virtual bool RemoveListener(const IEventListenerPtr& listener, const EventType& type) = 0;
    virtual bool Trigger(const IEventData& event) = 0;
    virtual bool QueueEvent(const IEventDataPtr& event) = 0;
    virtual bool AbortEvent(const EventType& type, bool allOfType) = 0;
    static constexpr uint32_t kInfinite = 0xFFFFFFFFu;
    virtual bool Tick(uint32_t maxMillis) = 0;
    virtual bool ValidateType(const EventType& type) const = 0;
    virtual void RegisterEventType(const EventType& type) = 0;
    virtual void SaveEventLog(std::wstring) {}
    virtual void LoadEventLog(std::wstring) {}

    static IEventManager* Current();
};

} // namespace TovarWorks
