#pragma once
// A cooperative per-frame task. Processes chain: when one dies, the process list attaches its next.
#include <cstdint>
#include <memory>

namespace TovarWorks {

class Process;
using ProcessPtr = std::shared_ptr<Process>;

class Process {
public:
    explicit Process(int type = 0) : type(type) {}
    virtual ~Process() = default;

    // Derived processes call the base first: it runs OnInitialize once, in the first update.
    virtual void OnUpdate(uint32_t deltaMillis);
    virtual void OnInitialize() {}
    virtual void Kill() { dead = true; }
    virtual void TogglePause() { paused = !paused; }

    ProcessPtr GetNext() const { return next; }
    void SetNext(const ProcessPtr& process) { next = process; }

    int type;
    bool dead = false;
    bool active = true;
    bool paused = false;
    bool initialUpdate = true;
    bool attached = false;

private:
    ProcessPtr next;
};

} // namespace TovarWorks
