// The main loop's pace: the frame cap, the slow background pace with the game paused, and the game
// time that neither is allowed to lose or double. Paced on a clock of the test's own.
#include "InputEvents.h"
#include "NullDeviceFixture.h"

#include "TovarWorks/FramePacer.h"

#include <random>

using TovarWorks::FramePacer;

class FramePacingTest : public NullDeviceFixture {
protected:
    // Runs paced frames whose own work takes 0-12 ms, as the main loop does, until the clock has
    // moved `millis` on; the virtual timer follows the clock. Returns the frames drawn.
    int runPaced(double millis, uint32_t maxFps, bool background = false) {
        pacer.setMaxFps(maxFps);
        device().setInBackground(background);
        const double end = now + millis;
        int frames = 0;
        while (now < end) {
            pacer.waitForNextFrame(background);
            syncTimer();
            device().runFrame();
            deltas.push_back(device().getFrameDelta());
            ++frames;
            now += work(random);
        }
        syncTimer();
        return frames;
    }
    void syncTimer() { device().getIrrlichtDevice()->getTimer()->setTime(static_cast<irr::u32>(now)); }

    double now = 0.0;
    FramePacer pacer{[this] { return now; }, [this](double millis) { now += millis; }};
    std::mt19937 random{7};
    std::uniform_real_distribution<double> work{0.0, 12.0};
    std::vector<uint32_t> deltas;
};

TEST_F(FramePacingTest, WithTheCapFramesComeNearTheSettingAndGameTimeStaysExactOverAMinute) {
    syncTimer();
    device().runFrame();
    const uint32_t before = device().getTimeRecord().totalTime;
    const uint32_t start = device().getTime();
    const int frames = runPaced(60000.0, 60);
    EXPECT_NEAR(frames, 60 * 60, 2);
    for (size_t i = 1; i < deltas.size(); ++i)
        ASSERT_GE(deltas[i], 16u) << "frame " << i << " came sooner than the cap allows";
    device().runFrame();
    const uint32_t passed = device().getTime() - start;
    EXPECT_GE(passed, 60000u);
    EXPECT_EQ(device().getTimeRecord().totalTime - before, passed) << "every millisecond counted once";

    deltas.clear();
    EXPECT_NEAR(runPaced(10000.0, 30), 300, 2);
}

TEST_F(FramePacingTest, WithoutACapFramesRunAsFastAsTheirWork) {
    const int frames = runPaced(10000.0, 0);
    EXPECT_GT(frames, 1500) << "about 6 ms of work a frame";
}

TEST_F(FramePacingTest, InTheBackgroundAFewFramesASecondAreDrawnTheGameGetsNoTimeAndKeysAreLetGo) {
    runPaced(1000.0, 60);
    device().OnEvent(keyEvent(irr::KEY_LEFT, true));
    ASSERT_TRUE(device().isKeyDown(irr::KEY_LEFT));
    const uint32_t gameTime = device().getTimeRecord().totalTime;
    deltas.clear();

    const int frames = runPaced(10000.0, 60, true);
    EXPECT_NEAR(frames, 10 * FramePacer::kBackgroundFps, 2);
    EXPECT_TRUE(device().isPaused());
    EXPECT_FALSE(device().isKeyDown(irr::KEY_LEFT));
    EXPECT_EQ(device().getTimeRecord().totalTime, gameTime) << "the game stood still";
    for (uint32_t delta : deltas)
        ASSERT_EQ(delta, 0u);

    deltas.clear();
    runPaced(1000.0, 60);
    EXPECT_FALSE(device().isPaused());
    const uint32_t resumed = device().getTimeRecord().totalTime - gameTime;
    EXPECT_NEAR(resumed, 1000.0, 20.0) << "the paused ten seconds are not made up";
    EXPECT_LE(deltas.front(), 17u) << "the first frame back has only its own time";
}

TEST_F(FramePacingTest, InTheBackgroundUncappedFramesTakeTheSlowPaceAndASlowerCapStays) {
    const std::pair<uint32_t, uint32_t> capAndPace[] = {{0, FramePacer::kBackgroundFps}, {2, 2}};
    for (const auto& [cap, pace] : capAndPace)
        EXPECT_NEAR(runPaced(10000.0, cap, true), 10 * pace, 2) << "cap " << cap;
}

TEST(WindowWatch, AWindowIsInTheBackgroundWhenMinimisedOrWithoutTheFocusItHad) {
    TovarWorks::WindowWatch watch;
    EXPECT_FALSE(watch.inBackground(false, false)) << "never focused: no window manager gives focus";
    EXPECT_TRUE(watch.inBackground(false, true));
    EXPECT_FALSE(watch.inBackground(true, false));
    EXPECT_TRUE(watch.inBackground(false, false)) << "the focus it had is gone";
    EXPECT_FALSE(watch.inBackground(true, false));
}
