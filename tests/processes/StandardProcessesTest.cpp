// The standard processes on a real device: frames advance the stopped virtual timer, the device's
// process list runs them and its event manager delivers what they trigger.
#include "support/NullDeviceFixture.h"
#include "support/RecordingListener.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Processes/CallEventProcess.h"
#include "TovarWorks/Processes/MergeProcess.h"
#include "TovarWorks/Processes/ProcessChain.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/Processes/WaitProcess.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Processes/FadeScreenProcess.h"

#include <gtest/gtest.h>

#include <memory>

using namespace TovarWorks;

namespace {

class StandardProcessesTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        recorder = recordEvents({&SetTimeEventType});
    }

    ProcessManager& processes() { return *device().getProcessManager(); }
    void runFrames(int count, uint32_t frame) {
        for (int i = 0; i < count; ++i)
            runFrame(frame);
    }
    static IEventDataPtr setTime(int hour) { return std::make_shared<Lumo::SetTimeEvent>(hour, 0); }
    static ProcessPtr callEvent(int hour, uint32_t delay = 0) {
        return std::make_shared<CallEventProcess>(setTime(hour), delay);
    }

    std::shared_ptr<RecordingListener> recorder;
};

// A member that lives until told to die.
class HeldProcess : public Process {
public:
    void OnUpdate(uint32_t deltaMillis) override {
        Process::OnUpdate(deltaMillis);
        ++updates;
    }
    int updates = 0;
};

} // namespace

TEST_F(StandardProcessesTest, AWaitDiesOnceItsDurationHasElapsed) {
    WaitProcess none(0), wait(100);
    none.OnUpdate(0);
    EXPECT_TRUE(none.dead);
    wait.OnUpdate(60);
    wait.OnUpdate(39);
    EXPECT_FALSE(wait.dead);
    wait.OnUpdate(1);
    EXPECT_TRUE(wait.dead);
}

TEST_F(StandardProcessesTest, CallEventTriggersAfterItsDelayWithoutQueueing) {
    processes().Attach(callEvent(5, 200));
    runFrame(100);
    runFrame(99);
    EXPECT_TRUE(recorder->heard.empty());
    device().getEventManager()->loggingEnabled = true;
    runFrame(1);
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_TRUE(device().getEventManager()->getEventLog().empty()); // triggered, so never logged
}

TEST_F(StandardProcessesTest, CallEventWithoutEventIsBornDeadAndItsSuccessorRunsInTheFirstPass) {
    auto empty = std::make_shared<CallEventProcess>(nullptr, 0);
    EXPECT_TRUE(empty->dead);
    empty->SetNext(callEvent(1));
    processes().Attach(empty);
    runFrame(10);
    EXPECT_FALSE(processes().contains(empty));
    EXPECT_EQ(1u, recorder->heard.size());
}

TEST_F(StandardProcessesTest, AChainDeliversItsFirstEventAtOnceAndTheSecondAfterWaitAndDelay) {
    const IEventDataPtr first = setTime(1), second = setTime(2);
    ProcessChain chain;
    chain.AddProcess(nullptr); // skipped, not a break in the chain
    chain.AddEvent(first, 0);
    chain.AddWait(500);
    chain.AddEvent(second, 1000);
    chain.Launch();
    EXPECT_FALSE(chain.first);
    EXPECT_FALSE(chain.last);
    runFrame(16);
    ASSERT_EQ((std::vector<const IEventData*>{first.get()}), recorder->heard);
    uint32_t elapsed = 0;
    for (; recorder->heard.size() < 2 && elapsed < 5000; elapsed += 10)
        runFrame(10);
    ASSERT_EQ(2u, recorder->heard.size());
    EXPECT_EQ(second.get(), recorder->heard[1]);
    // Wait and delay add up, plus a frame at each hand-over.
    EXPECT_GE(elapsed, 1500u);
    EXPECT_LE(elapsed, 1530u);
}

TEST_F(StandardProcessesTest, AMergeWithoutHoldStartsItsSuccessorWithItsMembersAndDiesWithThem) {
    auto member = std::make_shared<HeldProcess>();
    auto merge = std::make_shared<MergeProcess>(false);
    merge->AddMember(member);
    merge->AddMember(nullptr);
    merge->SetNext(callEvent(3));
    processes().Attach(merge);
    runFrame(10);
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(1, member->updates); // attached in the merge's first update, run in that pass
    EXPECT_FALSE(merge->GetNext());
    runFrames(3, 10);
    EXPECT_FALSE(merge->dead);
    member->Kill();
    runFrame(10);
    EXPECT_TRUE(merge->dead);
}

TEST_F(StandardProcessesTest, AMergeWithHoldStartsItsSuccessorOnlyWhenAllMembersAreDead) {
    auto slow = std::make_shared<HeldProcess>();
    auto merge = std::make_shared<MergeProcess>(true), empty = std::make_shared<MergeProcess>(true);
    merge->AddMember(slow);
    merge->AddMember(std::make_shared<WaitProcess>(20));
    merge->SetNext(callEvent(3));
    processes().Attach(merge);
    processes().Attach(empty);
    runFrames(10, 10);
    EXPECT_TRUE(empty->dead) << "no members: dead at its first update";
    EXPECT_TRUE(recorder->heard.empty());
    slow->Kill();
    runFrame(10); // the merge sees every member dead and dies
    runFrame(10); // its successor is attached and triggers
    EXPECT_EQ(1u, recorder->heard.size());
}

// Each update counts the device's last frame time, not its argument; the fade dies in the update
// in which its time is exceeded.
TEST_F(StandardProcessesTest, FadesGoLinearlyToTheirEndColourAndDieOnceTheirTimeIsExceeded) {
    const struct {
        bool fromBlack;
        uint32_t duration;
        std::vector<std::tuple<uint32_t, uint32_t, bool>> frames; // length, alpha after it, dead
    } cases[] = {{false, 1000, {{500, 127, false}, {500, 255, false}, {1, 255, true}}},
                 {true, 400, {{100, 191, false}, {1000, 0, true}}}, // (1 - 0.25) * 255, truncated
                 {false, 0, {{0, 255, false}, {5, 255, true}}}};    // no division by zero
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duration);
        Lumo::FadeScreenProcess fade(c.fromBlack, c.duration);
        for (const auto& [length, alpha, dead] : c.frames) {
            runFrame(length);
            fade.OnUpdate(3);
            EXPECT_EQ(alpha << 24, Lumo::gGameData->screenFadeColor); // black, more or less seen
            EXPECT_EQ(dead, fade.dead);
        }
    }
}
