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

    EventManager& events() { return *device().getEventManager(); }
    ProcessManager& processes() { return *device().getProcessManager(); }
    // Runs frames of the given length until the total has passed.
    void runFor(uint32_t total, uint32_t frame) {
        for (uint32_t done = 0; done < total; done += frame)
            runFrame(frame);
    }
    static IEventDataPtr setTime(int hour) { return std::make_shared<Lumo::SetTimeEvent>(hour, 0); }
    uint32_t fadeAlpha() const { return Lumo::gGameData->screenFadeColor >> 24; }

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

// --- WaitProcess ---

TEST_F(StandardProcessesTest, WaitOfZeroDiesOnItsFirstUpdate) {
    auto wait = std::make_shared<WaitProcess>(0);
    wait->OnUpdate(0);
    EXPECT_TRUE(wait->dead);
}

TEST_F(StandardProcessesTest, WaitDiesOnceItsDurationHasElapsed) {
    auto wait = std::make_shared<WaitProcess>(100);
    wait->OnUpdate(60);
    EXPECT_FALSE(wait->dead);
    wait->OnUpdate(39);
    EXPECT_FALSE(wait->dead);
    wait->OnUpdate(1);
    EXPECT_TRUE(wait->dead);
    EXPECT_EQ(100u, wait->elapsed);
}

// --- CallEventProcess ---

TEST_F(StandardProcessesTest, CallEventTriggersAfterItsDelayWithoutQueueing) {
    processes().Attach(std::make_shared<CallEventProcess>(setTime(5), 250));
    runFor(200, 100);
    EXPECT_TRUE(recorder->heard.empty());
    events().loggingEnabled = true;
    runFrame(100);
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_TRUE(events().getEventLog().empty()); // triggered, so never logged
}

TEST_F(StandardProcessesTest, CallEventWithoutEventIsBornDeadAndRemovedOnTheFirstPass) {
    auto empty = std::make_shared<CallEventProcess>(nullptr, 0);
    EXPECT_TRUE(empty->dead);
    EXPECT_EQ(0, empty->type);
    auto after = std::make_shared<CallEventProcess>(setTime(1), 0);
    empty->SetNext(after);
    processes().Attach(empty);
    runFrame(10);
    EXPECT_FALSE(processes().contains(empty));
    EXPECT_EQ(1u, recorder->heard.size()); // the successor ran in the same pass
}

// --- ProcessChain ---

TEST_F(StandardProcessesTest,
       ChainDeliversFirstEventAtOnceAndTheSecondAboutOneAndAHalfSecondsLater) {
    const IEventDataPtr first = setTime(1), second = setTime(2);
    ProcessChain chain;
    chain.AddEvent(first, 0);
    chain.AddWait(500);
    chain.AddEvent(second, 1000);
    chain.Launch();
    EXPECT_FALSE(chain.first);
    EXPECT_FALSE(chain.last);

    runFrame(16);
    ASSERT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(first.get(), recorder->heard[0]);
    uint32_t elapsed = 0;
    while (recorder->heard.size() < 2 && elapsed < 5000) {
        runFrame(10);
        elapsed += 10;
    }
    ASSERT_EQ(2u, recorder->heard.size());
    EXPECT_EQ(second.get(), recorder->heard[1]);
    // Wait and delay add up, plus a frame at each hand-over.
    EXPECT_GE(elapsed, 1500u);
    EXPECT_LE(elapsed, 1530u);
}

TEST_F(StandardProcessesTest, ChainSkipsEmptyProcessesInsteadOfBreaking) {
    ProcessChain chain;
    chain.AddProcess(nullptr);
    chain.AddEvent(setTime(1), 0);
    chain.AddProcess(nullptr);
    chain.AddEvent(setTime(2), 0);
    chain.Launch();
    runFor(50, 10);
    EXPECT_EQ(2u, recorder->heard.size());
}

TEST_F(StandardProcessesTest, ChainCanBeReusedAfterLaunch) {
    ProcessChain chain;
    chain.AddEvent(setTime(1), 0);
    chain.Launch();
    chain.AddEvent(setTime(2), 0);
    chain.Launch();
    EXPECT_EQ(2u, processes().size());
    runFrame(10);
    EXPECT_EQ(2u, recorder->heard.size());
}

TEST_F(StandardProcessesTest, LaunchingAnEmptyChainAttachesNothing) {
    ProcessChain chain;
    chain.Launch();
    EXPECT_EQ(0u, processes().size());
}

// --- MergeProcess ---

TEST_F(StandardProcessesTest, MergeWithoutHoldStartsItsSuccessorWithTheMembers) {
    auto member = std::make_shared<HeldProcess>();
    auto merge = std::make_shared<MergeProcess>(false);
    merge->AddMember(member);
    merge->AddMember(nullptr);
    merge->SetNext(std::make_shared<CallEventProcess>(setTime(3), 0));
    processes().Attach(merge);
    runFrame(10);
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(1, member->updates); // attached in the merge's first update, run in that pass
    EXPECT_FALSE(merge->GetNext());
    runFor(30, 10);
    EXPECT_FALSE(merge->dead);
    member->Kill();
    runFrame(10);
    EXPECT_TRUE(merge->dead);
}

TEST_F(StandardProcessesTest, MergeWithHoldStartsItsSuccessorOnlyWhenAllMembersAreDead) {
    auto slow = std::make_shared<HeldProcess>();
    auto quick = std::make_shared<WaitProcess>(20);
    auto merge = std::make_shared<MergeProcess>(true);
    merge->AddMember(slow);
    merge->AddMember(quick);
    merge->SetNext(std::make_shared<CallEventProcess>(setTime(3), 0));
    processes().Attach(merge);
    runFor(100, 10);
    EXPECT_TRUE(quick->dead);
    EXPECT_TRUE(recorder->heard.empty());
    slow->Kill();
    runFrame(10); // the merge sees every member dead and dies
    runFrame(10); // its successor is attached and triggers
    EXPECT_EQ(1u, recorder->heard.size());
}

TEST_F(StandardProcessesTest, MergeWithoutMembersDiesOnItsFirstUpdate) {
    auto merge = std::make_shared<MergeProcess>(true);
    processes().Attach(merge);
    runFrame(10);
    EXPECT_TRUE(merge->dead);
}

// --- FadeScreenProcess ---

TEST_F(StandardProcessesTest, FadeToBlackHalfwayAndAtItsEnd) {
    auto fade = std::make_shared<Lumo::FadeScreenProcess>(false, 1000);
    processes().Attach(fade);
    runFor(500, 100);
    EXPECT_EQ(127u, fadeAlpha());
    EXPECT_EQ(0u, Lumo::gGameData->screenFadeColor & 0x00FFFFFF); // black
    runFor(500, 100); // exactly 1000 ms: fully black, still alive
    EXPECT_EQ(255u, fadeAlpha());
    EXPECT_FALSE(fade->dead);
    runFrame(1);
    EXPECT_EQ(255u, fadeAlpha());
    EXPECT_TRUE(fade->dead);
}

TEST_F(StandardProcessesTest, FadeFromBlackEndsTransparent) {
    auto fade = std::make_shared<Lumo::FadeScreenProcess>(true, 400);
    processes().Attach(fade);
    runFrame(100);
    EXPECT_EQ(191u, fadeAlpha()); // (1 - 0.25) * 255, truncated
    runFrame(1000);               // a long frame overshoots: the final colour, then it dies
    EXPECT_EQ(0u, Lumo::gGameData->screenFadeColor);
    EXPECT_TRUE(fade->dead);
}

TEST_F(StandardProcessesTest, FadeCountsTheDeviceFrameTimeNotItsArgument) {
    auto fade = std::make_shared<Lumo::FadeScreenProcess>(false, 1000);
    runFrame(500); // the device's last frame lasted 500 ms
    fade->OnUpdate(3);
    EXPECT_EQ(127u, fadeAlpha());
}

TEST_F(StandardProcessesTest, ZeroLengthFadeWritesTheFinalColourWithoutDividingByZero) {
    auto fade = std::make_shared<Lumo::FadeScreenProcess>(false, 0);
    runFrame(0);
    fade->OnUpdate(0);
    EXPECT_EQ(255u, fadeAlpha());
    runFrame(5);
    fade->OnUpdate(5);
    EXPECT_TRUE(fade->dead);
}

TEST_F(StandardProcessesTest, FadeChainThenEventRunsInOrder) {
    ProcessChain chain;
    chain.AddProcess(std::make_shared<Lumo::FadeScreenProcess>(false, 200));
    chain.AddEvent(setTime(8), 0);
    chain.Launch();
    runFor(200, 50);
    EXPECT_TRUE(recorder->heard.empty());
    runFrame(50); // exceeds: the fade dies
    runFrame(50); // the event process starts and triggers
    EXPECT_EQ(1u, recorder->heard.size());
    EXPECT_EQ(255u, fadeAlpha());
}
