// Pictures of the running game under OpenGL, compared with kept references: a new game's first
// controllable frame, and the same bakery at night; and a morning played at 60 frames a second,
// where the first customer greets. Needs an X server (the suite runs under xvfb-run); without one
// the cases are skipped.
#include "GoldenImage.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"

#include "TovarWorks/Events/EventManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// Rendering differs a little between drivers; a missing sprite or wall is thousands of pixels.
GoldenTolerance gameTolerance() {
    GoldenTolerance tolerance;
    tolerance.channel = 24;
    tolerance.differentPixels = 1500; // 0.2 % of 1024 x 720
    return tolerance;
}

} // namespace

class GameScreenshot : public ::testing::Test {
protected:
    void SetUp() override { start(16); }
    void start(double frameMillis) {
        Lumo::ScriptedPlayOptions options;
        options.driver = irr::video::EDT_OPENGL;
        options.frameMillis = frameMillis;
        play = std::make_unique<Lumo::ScriptedPlay>(options);
        if (!play->isReady())
            GTEST_SKIP() << "no OpenGL display";
        ASSERT_TRUE(play->startNewGame());
    }
    void TearDown() override { play.reset(); }

    void expectLike(const char* name) {
        irr::video::IImage* shot = play->screenshot();
        ASSERT_NE(nullptr, shot);
        const GoldenImage golden(TovarWorks::gDevice->getVideoDriver(), KORNELO_SOURCE_DIR "/tests/data/game",
                                 KORNELO_RUNTIME_DIR "/../test-output/game");
        const GoldenResult result = golden.compare(shot, name, gameTolerance());
        shot->drop();
        EXPECT_TRUE(result.passed) << result.message;
    }

    std::unique_ptr<Lumo::ScriptedPlay> play;
};

TEST_F(GameScreenshot, FirstControllableFrameOfANewGame) {
    expectLike("new_game_first_frame");
}

TEST_F(GameScreenshot, TheBakeryAtNight) {
    TovarWorks::gDevice->getEventManager()->Trigger(Lumo::SetTimerEvent(false));
    TovarWorks::gDevice->getEventManager()->Trigger(Lumo::SetTimeEvent(23, 0));
    play->runFrames(2);
    EXPECT_EQ(0xFF363256u, Lumo::gGameData->ambientColor);
    expectLike("bakery_at_night");
}

class SixtyFramesASecond : public GameScreenshot {
protected:
    void SetUp() override { start(1000.0 / 60.0); }
};

TEST_F(SixtyFramesASecond, TheFirstCustomerOfTheMorningGreetsTheBakerAtWork) {
    Lumo::LumoVisual& visual = *play->getLogic().getVisual();
    // At the work table, out of hearing: the greeting stays up over the customer's head.
    visual.getHero()->getNode()->setPosition(irr::core::vector3df(792.5f, 0.f, 610.f));
    const std::vector<Lumo::DailyCustomer>& visits = Lumo::gGameData->world.customers->schedule();
    ASSERT_FALSE(visits.empty());
    const int first = std::min_element(visits.begin(), visits.end(), [](const auto& a, const auto& b) {
                          return a.minute < b.minute;
                      })->minute;
    TovarWorks::gDevice->getEventManager()->Trigger(Lumo::SetTimeEvent((first - 1) / 60, (first - 1) % 60));
    ASSERT_TRUE(play->runUntil([&] { return !visual.getCustomerQueue().empty(); }, 120));
    const std::shared_ptr<Lumo::CharNode> customer = visual.getCustomerQueue().front().character;
    // Four seconds after coming in; ten are plenty.
    EXPECT_TRUE(play->runUntil([&] { return customer->hasSpeechBubble(); }, 600))
        << "no greeting at 60 frames a second: " << play->describeState();
}
