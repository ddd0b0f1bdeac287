#pragma once
// A game's logic: raw input as an Irrlicht receiver, engine events as a listener, and the
// per-frame operations the main loop calls in a fixed order.
#include "TovarWorks/Events/IEventListener.h"

#include <irrlicht.h>

namespace TovarWorks {

class GameLogic : public irr::IEventReceiver, public IEventListener {
public:
    ~GameLogic() override = default;
    bool OnEvent(const irr::SEvent&) override { return false; }
    virtual void executeCommand(const irr::core::stringw&) {}
    virtual void onResize() {}
    virtual void readInput() {}
    virtual void updateGame() {}
    virtual void postFrame() {}
    void update() {
        readInput();
        updateGame();
    }

    const char* GetName() override { return "Root GameLogicclass"; }
    bool HandleEvent(const IEventData&) override { return false; }

protected:
    bool baseFlag = false; // carried for subclasses; the engine gives it no role
};

} // namespace TovarWorks
