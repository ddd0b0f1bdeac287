#pragma once
// A listener for tests: records what it hears, answers with a set result, and can run an action
// while it handles an event (to add or remove listeners, queue events or move time).
#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Events/IEventListener.h"

#include <functional>
#include <string>
#include <vector>

class RecordingListener : public TovarWorks::IEventListener {
public:
    explicit RecordingListener(std::string name = "recorder", bool consumes = false)
        : name(std::move(name)), consumes(consumes) {}

    const char* GetName() override { return name.c_str(); }
    bool HandleEvent(const TovarWorks::IEventData& event) override {
        heard.push_back(&event);
        hashes.push_back(event.GetEventType().getHash());
        if (onEvent)
            onEvent(event);
        return consumes;
    }

    std::string name;
    bool consumes;
    std::function<void(const TovarWorks::IEventData&)> onEvent;
    std::vector<const TovarWorks::IEventData*> heard;
    std::vector<uint32_t> hashes;
};
