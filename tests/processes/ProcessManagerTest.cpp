#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/Processes/Process.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace TovarWorks;

namespace {

using Journal = std::vector<std::string>;

// Writes what happens to it into a shared journal; finishes itself after a number of updates.
class ScriptedProcess : public Process {
public:
    ScriptedProcess(std::string name, Journal& journal, int lifetime)
        : name(std::move(name)), journal(journal), lifetime(lifetime) {}

    void OnInitialize() override { journal.push_back(name + ":init"); }
    void OnUpdate(uint32_t deltaMillis) override {
        Process::OnUpdate(deltaMillis);
        journal.push_back(name + ":" + std::to_string(deltaMillis));
        totalMillis += deltaMillis;
        if (duringUpdate)
            duringUpdate();
        if (++updates >= lifetime)
            Kill();
    }

    std::string name;
    Journal& journal;
    int lifetime;
    int updates = 0;
    uint32_t totalMillis = 0;
    std::function<void()> duringUpdate;
};

class ProcessManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<ScriptedProcess> make(const std::string& name, int lifetime = 100) {
        return std::make_shared<ScriptedProcess>(name, journal, lifetime);
    }
    std::shared_ptr<ScriptedProcess> attached(const std::string& name, int lifetime = 100) {
        auto process = make(name, lifetime);
        EXPECT_TRUE(processes.Attach(process));
        return process;
    }

    ProcessManager processes;
    Journal journal;
};

} // namespace

TEST_F(ProcessManagerTest, AChainRunsInOrderEachSuccessorStartingInThePassThatRemovesItsPredecessor) {
    std::weak_ptr<ScriptedProcess> watch;
    auto b = make("b", 1), c = make("c", 1);
    {
        auto a = attached("a", 2);
        a->SetNext(b);
        watch = a;
    }
    b->SetNext(c);
    processes.UpdateProcesses(10);
    processes.UpdateProcesses(20); // a dies, but stays for one more pass
    EXPECT_FALSE(watch.expired());
    processes.UpdateProcesses(30); // a removed and released, b attached and updated
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(b->attached);
    processes.UpdateProcesses(40);
    EXPECT_FALSE(b->attached);
    EXPECT_FALSE(b->GetNext());
    processes.UpdateProcesses(50);
    EXPECT_EQ((Journal{"a:init", "a:10", "a:20", "b:init", "b:30", "c:init", "c:40"}), journal);
    EXPECT_EQ(0u, processes.size());
}

TEST_F(ProcessManagerTest, PausedAndInactiveProcessesAreKeptButGetNoUpdatesAndNoTime) {
    auto paused = attached("paused"), inactive = attached("inactive");
    processes.UpdateProcesses(10);
    paused->TogglePause();
    inactive->active = false;
    processes.UpdateProcesses(1000);
    EXPECT_TRUE(processes.contains(paused));
    EXPECT_TRUE(processes.contains(inactive));
    paused->TogglePause();
    inactive->active = true;
    processes.UpdateProcesses(7);
    EXPECT_EQ(17u, paused->totalMillis);
    EXPECT_EQ(17u, inactive->totalMillis);
}

TEST_F(ProcessManagerTest, KillingALaterProcessTakesEffectInThisPassAnEarlierOneInTheNext) {
    auto early = attached("early"), killer = attached("killer"), victim = attached("victim"), heir = make("heir");
    victim->SetNext(heir);
    killer->duringUpdate = [&] {
        early->Kill();
        victim->Kill();
    };
    processes.UpdateProcesses(4);
    EXPECT_TRUE(processes.contains(early));
    EXPECT_FALSE(processes.contains(victim));
    EXPECT_EQ((Journal{"early:init", "early:4", "killer:init", "killer:4", "heir:init", "heir:4"}), journal);
    processes.UpdateProcesses(1);
    EXPECT_FALSE(processes.contains(early));
}

TEST_F(ProcessManagerTest, AProcessIsAttachedOnceAndCanBeAttachedAgainAfterDetaching) {
    auto a = attached("a");
    EXPECT_FALSE(processes.Attach(a));
    EXPECT_FALSE(processes.Attach(nullptr));
    processes.UpdateProcesses(1);
    EXPECT_EQ(1, a->updates); // once per pass, not twice
    EXPECT_EQ(1u, processes.size());
    processes.Detach(a);
    EXPECT_FALSE(a->attached);
    EXPECT_EQ(0u, processes.size());
    EXPECT_TRUE(processes.Attach(a));
    processes.UpdateProcesses(1);
    EXPECT_EQ(2, a->updates);
}

TEST_F(ProcessManagerTest, DetachingAndAttachingDuringAPassKeepTheWalkValid) {
    auto first = attached("first"), second = attached("second"), third = attached("third"), spawned = make("spawned");
    first->duringUpdate = [&] {
        processes.Detach(first);  // itself
        processes.Detach(second); // the next one
        processes.Attach(spawned);
        EXPECT_EQ(2u, processes.size()); // the emptied slots are not counted
    };
    processes.UpdateProcesses(1);
    EXPECT_EQ((Journal{"first:init", "first:1", "third:init", "third:1", "spawned:init", "spawned:1"}), journal);
    EXPECT_EQ(2u, processes.size());
}

