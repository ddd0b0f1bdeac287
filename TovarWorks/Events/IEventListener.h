#pragma once
#include <memory>

namespace TovarWorks {

class IEventData;

class IEventListener {
public:
    virtual ~IEventListener() = default;
    virtual const char* GetName() = 0;
    // True when the listener consumed the event; the event manager decides what that means.
    virtual bool HandleEvent(const IEventData& event) = 0;
};

using IEventListenerPtr = std::shared_ptr<IEventListener>;

} // namespace TovarWorks
