// Pictures of the running game under OpenGL, compared with kept references: a new game's first
// controllable frame, the same bakery at night, the oven's dust and smoke at each baking stage;
// and the editor's waypoints over the bakery. Needs an X server (the suite runs under xvfb-run);
// without DISPLAY the cases are skipped.
#include "GoldenImage.h"
#include "NeedsDisplay.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/InterfaceView.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "TovarWorks/Events/EventManager.h"

#include <gtest/gtest.h>

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
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        Lumo::ScriptedPlayOptions options;
        options.driver = irr::video::EDT_OPENGL;
        options.frameMillis = 16;
        play = std::make_unique<Lumo::ScriptedPlay>(options);
        ASSERT_TRUE(play->isReady()) << "OpenGL did not start on the X display";
        ASSERT_TRUE(play->startNewGame());
    }
    void TearDown() override { play.reset(); }

    void expectLike(const char* name) {
        irr::video::IImage* shot = play->screenshot();
        ASSERT_NE(nullptr, shot);
        const GoldenResult result =
            GoldenImage::forArea(TovarWorks::gDevice->getVideoDriver(), "game").compare(shot, name, gameTolerance());
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
    expectLike("bakery_at_night");
}

// Flour dust over raw and golden goods, then smoke that thickens as they darken and burn: the
// tray must stay in sight through all of it.
TEST_F(GameScreenshot, TheOvenAtEachBakingStage) {
    TovarWorks::IEventManager& events = *TovarWorks::gDevice->getEventManager();
    events.Trigger(Lumo::SetTimerEvent(false));
    events.Trigger(Lumo::SetTimeEvent(9, 0));
    // The particles' scatter comes from Irrlicht's own random numbers.
    TovarWorks::gDevice->getIrrlichtDevice()->getRandomizer()->reset(7);
    Lumo::LumoVisual& visual = *play->getLogic().getVisual();
    visual.getHero()->getNode()->setPosition(irr::core::vector3df(800, 0, 630));
    auto* shop = dynamic_cast<Lumo::ShopItemWorld*>(visual.getItemWorld());
    ASSERT_NE(nullptr, shop);
    Lumo::Dough dough;
    dough.kind = 1;
    dough.batches = 4;
    dough.bakeMinutes = 20;
    const Lumo::VisualItemMultiPtr tray = shop->bakery().putGoodsOnNewTray(Lumo::Tray::fromDough(dough));
    ASSERT_TRUE(shop->bakery().pickUp(irr::core::vector3df(792.5f, 0, 610)));
    ASSERT_EQ(shop->bakery().drop(irr::core::vector3df(825, 0, 627), Lumo::FACE_UP, Lumo::gGameData->world.tableStock),
              Lumo::DropResult::PLACED);
    play->runFrames(3, 100);

    struct Stage {
        int minute;
        int stage;
        const char* picture;
    };
    for (const Stage& stage : {Stage{1, 1, "oven_raw"}, Stage{19, 2, "oven_baked"}, Stage{23, 3, "oven_dark"},
                               Stage{40, 4, "oven_burnt"}}) {
        events.Trigger(Lumo::SetTimeEvent(9, stage.minute));
        play->runFrames(25, 100);
        ASSERT_EQ(stage.stage, shop->bakery().getOven().getEffects().getStage()) << stage.picture;
        expectLike(stage.picture);
    }
}

// The scene is left out under the HUD's opaque strip: the picture must not change for it.
TEST_F(GameScreenshot, TheSceneLeftOutUnderTheHudIsNoMoreThanTheHudCovers) {
    Lumo::gGameData->settings.hints = false; // the hint line comes and goes with the HUD
    play->runFrames(1, 0);                  // no time passes between the two pictures
    Lumo::LumoVisual& visual = *play->getLogic().getVisual();
    ASSERT_TRUE(visual.getHud().visible);
    irr::video::IImage* withHud = play->screenshot();
    visual.getHud().visible = false;
    irr::video::IImage* sceneOnly = play->screenshot();
    ASSERT_TRUE(withHud && sceneOnly);
    const Lumo::InterfaceView& view = Lumo::gGameData->interfaceView;
    const int hudBottom = view.toPixels(Lumo::HudElement::opaqueArea()).LowerRightCorner.Y;
    const irr::u32 width = withHud->getDimension().Width, height = withHud->getDimension().Height;
    int differing = 0, emptyRows = 0;
    for (irr::u32 y = 0; y < height; ++y) {
        int black = 0;
        for (irr::u32 x = 0; x < width; ++x) {
            const irr::video::SColor hud = withHud->getPixel(x, y);
            differing += static_cast<int>(y) >= hudBottom && hud != sceneOnly->getPixel(x, y);
            black += hud.getRed() + hud.getGreen() + hud.getBlue() == 0;
        }
        emptyRows += static_cast<int>(y) >= view.viewport.UpperLeftCorner.Y &&
                     static_cast<int>(y) < view.viewport.LowerRightCorner.Y && black == static_cast<int>(width);
    }
    withHud->drop();
    sceneOnly->drop();
    EXPECT_EQ(differing, 0) << "the scene below the strip changed";
    EXPECT_EQ(emptyRows, 0) << "rows of the picture show neither the scene nor the strip";
}

TEST_F(GameScreenshot, TheEditorsPathModeShowsTheWaypointsOverTheBakery) {
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    play->tap(irr::KEY_F5);
    play->runFrames(3);
    ASSERT_EQ(play->getLogic().getVisual()->getEditor().getMode(), Lumo::WorldEditor::PATH_MODE);
    irr::video::IImage* shot = play->screenshot();
    ASSERT_NE(nullptr, shot);
    // Waypoint spheres are pure dark blue (0, 0, 200), blocked cells pure red (200, 0, 0); nothing
    // else in the bakery is.
    int spherePixels = 0, cellPixels = 0;
    for (irr::u32 y = 0; y < shot->getDimension().Height; ++y)
        for (irr::u32 x = 0; x < shot->getDimension().Width; ++x) {
            const irr::video::SColor c = shot->getPixel(x, y);
            spherePixels += c.getRed() < 20 && c.getGreen() < 20 && c.getBlue() > 170;
            cellPixels += c.getRed() > 170 && c.getGreen() < 20 && c.getBlue() < 20;
        }
    shot->drop();
    EXPECT_GT(spherePixels, 30);
    EXPECT_GT(cellPixels, 1000);
}
