// The world editor inside the running game: switched by the console, fed input first.
#include "GamePlayFixture.h"
#include "InputEvents.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/Gui/VisualTextBoxBubble.h"
#include "src_lumo/World/CollisionGrid.h"

#include <cmath>

namespace {
// Where the picture shows a point: the game's own projection into the interface, placed in the
// scene's viewport (Irrlicht's helper assumes the whole window).
irr::core::position2di pixelOf(const irr::core::vector3df& world, irr::scene::ICameraSceneNode* camera) {
    irr::core::vector2df units;
    EXPECT_TRUE(Lumo::VisualTextBoxBubble::cameraProjector(camera)(world, units));
    return Lumo::gGameData->interfaceView.toPixels(units.X, units.Y);
}

int cellOf(float coordinate) { return static_cast<int>(coordinate / Lumo::CollisionGrid::kCellSize); }
} // namespace

// Opened at the default size, then resized to the one under test: the game follows the window.
class EditorInAnyWindow : public GamePlayFixture, public ::testing::WithParamInterface<irr::core::dimension2du> {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        TovarWorks::gDevice->getVideoDriver()->OnResize(GetParam());
        startNewGame();
        EXPECT_FALSE(editor().isEnabled());
        TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
        ASSERT_TRUE(editor().isEnabled());
        play->runFrames(2);
    }
    Lumo::WorldEditor& editor() { return visual().getEditor(); }
};

TEST_P(EditorInAnyWindow, TheCursorCubeSitsUnderThePointerAndTheClickTakesThatCell) {
    const irr::core::recti& viewport = Lumo::gGameData->interfaceView.viewport;
    EXPECT_EQ(Lumo::InterfaceView::forScreen(GetParam()).viewport, viewport);
    EXPECT_NEAR(static_cast<float>(viewport.getWidth()) / viewport.getHeight(), visual().getCamera()->getAspectRatio(),
                1e-5);
    const irr::core::vector3df hero = Lumo::gGameData->heroPosition;
    // Near the middle of the picture and out towards its corners, where an offset shows most.
    for (const irr::core::vector3df& offset :
         {irr::core::vector3df(3, 0, 22), irr::core::vector3df(-90, 0, 60), irr::core::vector3df(95, 0, -40)}) {
        SCOPED_TRACE(testing::Message() << "at " << offset.X << ", " << offset.Z);
        // The middle of a cell: a point on a cell's edge belongs to either cell after rounding.
        const irr::core::vector3df near = hero + offset;
        const float cell = Lumo::CollisionGrid::kCellSize;
        const irr::core::vector3df spot(std::floor(near.X / cell) * cell + cell / 2, 0,
                                        std::floor(near.Z / cell) * cell + cell / 2);
        const irr::core::position2di pixel = pixelOf(spot, visual().getCamera());
        TovarWorks::gDevice->OnEvent(mouseEvent(irr::EMIE_MOUSE_MOVED, pixel));
        play->runFrames(1);
        const irr::core::vector3df cursor = editor().cursorPosition();
        EXPECT_EQ(cellOf(cursor.X), cellOf(spot.X));
        EXPECT_EQ(cellOf(cursor.Z), cellOf(spot.Z));
        EXPECT_TRUE(TovarWorks::gDevice->OnEvent(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN, pixel)))
            << "the game had the click";
        EXPECT_NEAR(editor().groundPoint().X, spot.X, 1.0f);
        EXPECT_NEAR(editor().groundPoint().Z, spot.Z, 1.0f);
        EXPECT_TRUE(visual().getCollisionGrid().isBlocked(cellOf(spot.X), cellOf(spot.Z))) << "the visual's own grid";
        EXPECT_EQ(editor().cursorPosition(), cursor) << "hover and click pick the same cell";
    }
    play->tap(irr::KEY_F5);
    EXPECT_EQ(editor().getMode(), Lumo::WorldEditor::PATH_MODE);
    play->tap(irr::KEY_ESCAPE);
    EXPECT_EQ(editor().getMode(), Lumo::WorldEditor::PATH_MODE) << "the game had the key";
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    EXPECT_FALSE(editor().isEnabled());
}

// The default window is letter-boxed (1024 x 576 picture at y = 72), a wide one pillar-boxed.
INSTANTIATE_TEST_SUITE_P(LetterAndPillarBoxed, EditorInAnyWindow,
                         ::testing::Values(irr::core::dimension2du(1024, 720), irr::core::dimension2du(1280, 600),
                                           irr::core::dimension2du(800, 800)));
