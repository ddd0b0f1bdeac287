// Prints how many events per second the event manager delivers (at once and through its queue)
// and how many process updates per second the process list manages with 10,000 processes.
// A direct call of the same listeners is the baseline the delivery figures are compared with.
#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Processes/Process.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "src_lumo/Events/SetTimeEvent.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace TovarWorks;

namespace {

using Clock = std::chrono::steady_clock;

class CountingListener : public IEventListener {
public:
    const char* GetName() override { return "bench"; }
    bool HandleEvent(const IEventData& event) override {
        sum += event.GetTimeStamp() + 1;
        return false;
    }
    uint64_t sum = 0;
};

class CountingProcess : public Process {
public:
    void OnUpdate(uint32_t deltaMillis) override {
        Process::OnUpdate(deltaMillis);
        elapsed += deltaMillis;
    }
    uint64_t elapsed = 0;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

constexpr int kListeners = 4;
constexpr int kEvents = 1000000;
constexpr int kBatch = 1000;

} // namespace

int main() {
    EventManager events;
    events.RegisterEventType(SetTimeEventType);
    std::vector<std::shared_ptr<CountingListener>> listeners;
    for (int i = 0; i < kListeners; ++i) {
        listeners.push_back(std::make_shared<CountingListener>());
        events.AddListener(listeners.back(), SetTimeEventType);
    }
    const Lumo::SetTimeEvent event(6, 0);

    Clock::time_point start = Clock::now();
    for (int i = 0; i < kEvents; ++i)
        for (const auto& listener : listeners)
            listener->HandleEvent(event);
    const double direct = kEvents / secondsSince(start);

    start = Clock::now();
    for (int i = 0; i < kEvents; ++i)
        events.Trigger(event);
    const double triggered = kEvents / secondsSince(start);

    start = Clock::now();
    for (int sent = 0; sent < kEvents; sent += kBatch) {
        for (int i = 0; i < kBatch; ++i)
            events.QueueEvent(std::make_shared<Lumo::SetTimeEvent>(6, i));
        events.Tick(IEventManager::kInfinite);
    }
    const double queued = kEvents / secondsSince(start);

    std::printf("events to %d listeners, per second:\n", kListeners);
    std::printf("  direct calls (baseline): %12.0f\n", direct);
    std::printf("  Trigger:                 %12.0f  (%.2f of baseline)\n", triggered,
                triggered / direct);
    std::printf("  QueueEvent + Tick:       %12.0f  (%.2f of baseline, %d per tick, incl. "
                "allocation)\n",
                queued, queued / direct, kBatch);

    constexpr int kProcesses = 10000;
    constexpr int kFrames = 500;
    ProcessManager processes;
    for (int i = 0; i < kProcesses; ++i)
        processes.Attach(std::make_shared<CountingProcess>());
    start = Clock::now();
    for (int frame = 0; frame < kFrames; ++frame)
        processes.UpdateProcesses(16);
    const double seconds = secondsSince(start);
    std::printf("process updates with %d attached processes:\n", kProcesses);
    std::printf("  updates per second:      %12.0f  (%.3f ms per frame)\n",
                kProcesses * static_cast<double>(kFrames) / seconds, seconds * 1000.0 / kFrames);

    uint64_t checksum = 0;
    for (const auto& listener : listeners)
        checksum += listener->sum;
    std::printf("(checksum %llu)\n", static_cast<unsigned long long>(checksum));
    return 0;
}
