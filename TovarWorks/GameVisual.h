#pragma once
#include "TovarWorks/Events/IEventListener.h"

namespace TovarWorks {

// A game's visual, owned by its logic, which calls render while a game is running.
class GameVisual : public IEventListener {
public:
    ~GameVisual() override = default;
    const char* GetName() override { return "Root GameVisualclass"; }
    bool HandleEvent(const IEventData&) override { return true; }
    virtual void onResize() = 0;
    virtual void render() = 0;
};

} // namespace TovarWorks
