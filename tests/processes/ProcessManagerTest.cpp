#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/Processes/Process.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace TovarWorks;

namespace {

// Writes what happens to it into a shared journal; finishes itself after a number of updates.
class ScriptedProcess : public Process {
public:
    ScriptedProcess(std::string name, std::vector<std::string>& journal, int lifetime = 1)
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
    std::vector<std::string>& journal;
    int lifetime;
    int updates = 0;
    uint32_t totalMillis = 0;
    std::function<void()> duringUpdate;
};

class ProcessManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<ScriptedProcess> make(const std::string& name, int lifetime = 1) {
        return std::make_shared<ScriptedProcess>(name, journal, lifetime);
    }

    ProcessManager processes;
    std::vector<std::string> journal;
};

using Journal = std::vector<std::string>;

} // namespace

TEST_F(ProcessManagerTest,
       ChainRunsStrictlyInOrderEachSuccessorStartingInThePassThatRemovesItsPredecessor) {
    auto a = make("a", 2), b = make("b", 1), c = make("c", 1);
    a->SetNext(b);
    b->SetNext(c);
    EXPECT_TRUE(processes.Attach(a));
    processes.UpdateProcesses(10); // a: 1st update
    processes.UpdateProcesses(20); // a: 2nd update, dies
    processes.UpdateProcesses(30); // a removed, b attached and updated (dies)
    EXPECT_FALSE(a->attached);
    EXPECT_FALSE(a->GetNext());
    processes.UpdateProcesses(40); // b removed, c attached and updated
    processes.UpdateProcesses(50); // c removed
    EXPECT_EQ((Journal{"a:init", "a:10", "a:20", "b:init", "b:30", "c:init", "c:40"}), journal);
    EXPECT_EQ(0u, processes.size());
}

TEST_F(ProcessManagerTest, DeadProcessWithoutSuccessorIsSimplyRemoved) {
    auto a = make("a");
    a->Kill();
    processes.Attach(a);
    processes.UpdateProcesses(5);
    EXPECT_TRUE(journal.empty());
    EXPECT_FALSE(processes.contains(a));
    EXPECT_FALSE(a->attached);
}

TEST_F(ProcessManagerTest, PausedProcessGetsNoUpdatesAndGathersNoTime) {
    auto a = make("a", 100);
    processes.Attach(a);
    processes.UpdateProcesses(10);
    a->TogglePause();
    processes.UpdateProcesses(1000);
    processes.UpdateProcesses(1000);
    EXPECT_TRUE(processes.contains(a));
    a->TogglePause();
    processes.UpdateProcesses(7);
    EXPECT_EQ(17u, a->totalMillis);
}

TEST_F(ProcessManagerTest, InactiveProcessIsSkippedButKept) {
    auto a = make("a", 100);
    a->active = false;
    processes.Attach(a);
    processes.UpdateProcesses(10);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(processes.contains(a));
    a->active = true;
    processes.UpdateProcesses(3);
    EXPECT_EQ((Journal{"a:init", "a:3"}), journal);
}

TEST_F(ProcessManagerTest, InitialisationRunsOnceEvenWhenTheFirstUpdateFinishes) {
    auto once = make("once", 1);
    auto many = make("many", 3);
    processes.Attach(once);
    processes.Attach(many);
    for (int i = 0; i < 4; ++i)
        processes.UpdateProcesses(1);
    EXPECT_EQ((Journal{"once:init", "once:1", "many:init", "many:1", "many:1", "many:1"}), journal);
}

TEST_F(ProcessManagerTest, InitialisationWaitsForTheFirstRealUpdate) {
    auto a = make("a", 5);
    a->TogglePause();
    processes.Attach(a);
    processes.UpdateProcesses(1);
    EXPECT_TRUE(a->initialUpdate);
    a->TogglePause();
    processes.UpdateProcesses(1);
    EXPECT_FALSE(a->initialUpdate);
}

TEST_F(ProcessManagerTest, ProcessKillingItselfStaysOneMorePass) {
    auto a = make("a", 1);
    processes.Attach(a);
    processes.UpdateProcesses(1);
    EXPECT_TRUE(a->dead);
    EXPECT_TRUE(processes.contains(a));
    processes.UpdateProcesses(1);
    EXPECT_FALSE(processes.contains(a));
}

TEST_F(ProcessManagerTest, KillingALaterProcessRemovesItInTheSamePassAndStartsItsSuccessor) {
    auto killer = make("killer", 100);
    auto victim = make("victim", 100);
    auto heir = make("heir", 100);
    victim->SetNext(heir);
    killer->duringUpdate = [&] { victim->Kill(); };
    processes.Attach(killer);
    processes.Attach(victim);
    processes.UpdateProcesses(4);
    EXPECT_FALSE(processes.contains(victim));
    EXPECT_TRUE(processes.contains(heir));
    EXPECT_EQ((Journal{"killer:init", "killer:4", "heir:init", "heir:4"}), journal);
}

TEST_F(ProcessManagerTest, KillingAnEarlierProcessTakesEffectNextPass) {
    auto early = make("early", 100);
    auto killer = make("killer", 100);
    killer->duringUpdate = [&] { early->Kill(); };
    processes.Attach(early);
    processes.Attach(killer);
    processes.UpdateProcesses(1);
    EXPECT_TRUE(processes.contains(early));
    processes.UpdateProcesses(1);
    EXPECT_FALSE(processes.contains(early));
}

TEST_F(ProcessManagerTest, KillingADetachedProcessOnlyMarksIt) {
    auto lone = make("lone");
    auto next = make("next");
    lone->SetNext(next);
    lone->Kill();
    processes.UpdateProcesses(1);
    EXPECT_FALSE(next->attached);
    EXPECT_EQ(next, lone->GetNext());
}

TEST_F(ProcessManagerTest, AttachingAnAttachedProcessIsRefused) {
    auto a = make("a", 100);
    EXPECT_TRUE(processes.Attach(a));
    EXPECT_FALSE(processes.Attach(a));
    EXPECT_FALSE(processes.Attach(nullptr));
    processes.UpdateProcesses(1);
    EXPECT_EQ(1, a->updates); // once per pass, not twice
    EXPECT_EQ(1u, processes.size());
}

TEST_F(ProcessManagerTest, ADetachedProcessCanBeAttachedAgain) {
    auto a = make("a", 100);
    processes.Attach(a);
    processes.Detach(a);
    EXPECT_FALSE(a->attached);
    EXPECT_TRUE(processes.Attach(a));
    processes.UpdateProcesses(1);
    EXPECT_EQ(1, a->updates);
}

TEST_F(ProcessManagerTest, DetachingDuringAPassKeepsTheWalkValid) {
    auto first = make("first", 100), second = make("second", 100), third = make("third", 100);
    first->duringUpdate = [&] {
        processes.Detach(first);  // itself
        processes.Detach(second); // the next one
    };
    processes.Attach(first);
    processes.Attach(second);
    processes.Attach(third);
    processes.UpdateProcesses(1);
    EXPECT_EQ((Journal{"first:init", "first:1", "third:init", "third:1"}), journal);
    EXPECT_EQ(1u, processes.size());
}

TEST_F(ProcessManagerTest, ProcessesAttachedDuringAPassRunInThatPass) {
    auto spawner = make("spawner", 1);
    auto spawned = make("spawned", 100);
    spawner->duringUpdate = [&] { processes.Attach(spawned); };
    processes.Attach(spawner);
    processes.UpdateProcesses(9);
    EXPECT_EQ((Journal{"spawner:init", "spawner:9", "spawned:init", "spawned:9"}), journal);
}

TEST_F(ProcessManagerTest, DetachedAndUnreferencedProcessIsDestroyed) {
    std::weak_ptr<ScriptedProcess> watch;
    {
        auto a = make("a", 1);
        watch = a;
        processes.Attach(a);
    }
    processes.UpdateProcesses(1);
    EXPECT_FALSE(watch.expired());
    processes.UpdateProcesses(1);
    EXPECT_TRUE(watch.expired());
}

TEST_F(ProcessManagerTest, DestroyingTheListReleasesProcessesWithoutStartingSuccessors) {
    std::weak_ptr<ScriptedProcess> watch;
    auto next = make("next");
    {
        ProcessManager local;
        auto a = make("a", 100);
        a->SetNext(next);
        watch = a;
        local.Attach(a);
    }
    EXPECT_TRUE(watch.expired());
    EXPECT_FALSE(next->attached);
    EXPECT_TRUE(journal.empty());
}
