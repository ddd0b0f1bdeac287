// The world editor inside the running game: switched by the console, fed input first.
#include "GamePlayFixture.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/World/CollisionGrid.h"

namespace {
irr::SEvent mouseDown(const irr::core::position2di& at) {
    irr::SEvent event;
    event.EventType = irr::EET_MOUSE_INPUT_EVENT;
    event.MouseInput.Event = irr::EMIE_LMOUSE_PRESSED_DOWN;
    event.MouseInput.X = at.X;
    event.MouseInput.Y = at.Y;
    event.MouseInput.Wheel = 0;
    event.MouseInput.ButtonStates = 0;
    event.MouseInput.Shift = event.MouseInput.Control = false;
    return event;
}
} // namespace

class EditorInGame : public GamePlayFixture {
protected:
    void SetUp() override {
        GamePlayFixture::SetUp();
        startNewGame();
    }
    Lumo::WorldEditor& editor() { return visual().getEditor(); }
};

TEST_F(EditorInGame, TheConsoleCommandSwitchesItOnAndOff) {
    EXPECT_FALSE(editor().isEnabled());
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    EXPECT_TRUE(editor().isEnabled());
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    EXPECT_FALSE(editor().isEnabled());
}

TEST_F(EditorInGame, WhileOnItTakesTheMouseAndKeysBeforeTheGame) {
    TovarWorks::gDevice->executeConsoleLine(L"tovar editor");
    play->runFrames(2);
    // The cell just in front of the baker, seen through the game camera.
    const irr::core::vector3df spot = Lumo::gGameData->heroPosition + irr::core::vector3df(0, 0, 20);
    const irr::core::position2di pixel =
        TovarWorks::gDevice->getSceneManager()->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(
            spot, visual().getCamera());
    EXPECT_TRUE(TovarWorks::gDevice->OnEvent(mouseDown(pixel)));
    const int column = static_cast<int>(editor().groundPoint().X / Lumo::CollisionGrid::kCellSize);
    const int row = static_cast<int>(editor().groundPoint().Z / Lumo::CollisionGrid::kCellSize);
    EXPECT_NEAR(editor().groundPoint().Z, spot.Z, 3.0f);
    EXPECT_TRUE(visual().getCollisionGrid().isBlocked(column, row)) << "the visual's own grid is edited";

    play->tap(irr::KEY_F5);
    EXPECT_EQ(editor().getMode(), Lumo::WorldEditor::PATH_MODE);
    play->tap(irr::KEY_ESCAPE);
    EXPECT_EQ(editor().getMode(), Lumo::WorldEditor::PATH_MODE);
}
