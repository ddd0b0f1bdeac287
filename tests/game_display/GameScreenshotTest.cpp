// Pictures of the running game under OpenGL, compared with kept references: a new game's first
// controllable frame, the same bakery at night, the oven's dust and smoke at each baking stage;
// and the editor's waypoints over the bakery. Needs an X server (the suite runs under xvfb-run);
// without DISPLAY the cases are skipped.
#include "GamePlayFixture.h"
#include "GoldenImage.h"
#include "NeedsDisplay.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Gui/HudElement.h"
#include "src_lumo/Gui/InterfaceView.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"

class GameScreenshot : public GamePlayFixture {
protected:
    void SetUp() override {
        SKIP_WITHOUT_DISPLAY();
        Lumo::ScriptedPlayOptions options;
        options.driver = irr::video::EDT_OPENGL;
        options.frameMillis = 16;
        ASSERT_NO_FATAL_FAILURE(start(options)) << "OpenGL did not start on the X display";
        startNewGame();
    }

    void expectLike(const char* name) {
        irr::video::IImage* shot = play->screenshot();
        ASSERT_NE(nullptr, shot);
        // Rendering differs a little between drivers; a missing sprite or wall is thousands of pixels.
        GoldenTolerance tolerance;
        tolerance.channel = 24;
        tolerance.differentPixels = 1500; // 0.2 % of 1024 x 720
        const GoldenResult result =
            GoldenImage::forArea(TovarWorks::gDevice->getVideoDriver(), "game").compare(shot, name, tolerance);
        shot->drop();
        EXPECT_TRUE(result.passed) << result.message;
    }
};

TEST_F(GameScreenshot, FirstControllableFrameOfANewGame) {
    expectLike("new_game_first_frame");
}

TEST_F(GameScreenshot, TheBakeryAtNight) {
    trigger(Lumo::SetTimerEvent(false));
    trigger(Lumo::SetTimeEvent(23, 0));
    play->runFrames(2);
    expectLike("bakery_at_night");
}

// Outside: the hedges and the tree are cut out of their textures, not drawn as solid panels.
TEST_F(GameScreenshot, TheYardWithItsHedgesAndTree) {
    trigger(Lumo::SetTimerEvent(false));
    trigger(Lumo::SetTimeEvent(12, 0));
    placeHero(irr::core::vector3df(560, 0, 420));
    play->runFrames(3);
    expectLike("yard");
}

// Flour dust over raw and golden goods, then smoke that thickens as they darken and burn: the
// tray must stay in sight through all of it.
TEST_F(GameScreenshot, TheOvenAtEachBakingStage) {
    trigger(Lumo::SetTimerEvent(false));
    trigger(Lumo::SetTimeEvent(9, 0));
    // The particles' scatter comes from Irrlicht's own random numbers.
    TovarWorks::gDevice->getIrrlichtDevice()->getRandomizer()->reset(7);
    placeHero(irr::core::vector3df(800, 0, 630));
    Lumo::Dough dough;
    dough.kind = 1;
    dough.batches = 4;
    dough.bakeMinutes = 20;
    bakery().putGoodsOnNewTray(Lumo::Tray::fromDough(dough));
    ASSERT_TRUE(bakery().pickUp(kAtTable));
    ASSERT_EQ(bakery().drop(kAtOven, Lumo::FACE_UP, world().tableStock), Lumo::DropResult::PLACED);
    play->runFrames(3, 100);

    struct Stage {
        int minute;
        int stage;
        const char* picture;
    };
    for (const Stage& stage : {Stage{1, 1, "oven_raw"}, Stage{19, 2, "oven_baked"}, Stage{23, 3, "oven_dark"},
                               Stage{40, 4, "oven_burnt"}}) {
        trigger(Lumo::SetTimeEvent(9, stage.minute));
        play->runFrames(25, 100);
        ASSERT_EQ(stage.stage, bakery().getOven().getEffects().getStage()) << stage.picture;
        expectLike(stage.picture);
    }
}

// The scene is left out under the HUD's opaque strip: the picture must not change for it.
TEST_F(GameScreenshot, TheSceneLeftOutUnderTheHudIsNoMoreThanTheHudCovers) {
    Lumo::gGameData->settings.hints = false; // the hint line comes and goes with the HUD
    play->runFrames(1, 0);                  // no time passes between the two pictures
    ASSERT_TRUE(visual().getHud().visible);
    irr::video::IImage* withHud = play->screenshot();
    visual().getHud().visible = false;
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
    ASSERT_EQ(visual().getEditor().getMode(), Lumo::WorldEditor::PATH_MODE);
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
