#include "InputEvents.h"
#include "NullDeviceFixture.h"
#include "TempDir.h"

#include "TovarWorks/Console/ConsoleLogic.h"
#include "src_lumo/Editor/WorldEditor.h"
#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"

#include <memory>

using irr::core::vector3df;
using Lumo::CollisionGrid;
using Lumo::PathFinder;
using Lumo::WorldEditor;

const irr::video::SColor kSelected(0xFFFF0000), kUnselected(0xFF0000C8);

class WorldEditorTest : public NullDeviceFixture {
protected:
    void SetUp() override {
        NullDeviceFixture::SetUp();
        scene = device().getSceneManager();
        // The game camera's angle over the shop, fixed.
        camera = scene->addCameraSceneNode(nullptr, vector3df(815, 160, 445), vector3df(815, 0, 550));
        camera->setAspectRatio(640.0f / 360.0f);
        camera->updateAbsolutePosition();
        scene->drawAll(); // brings the camera's matrices and frustum up to date
        editor = std::make_unique<WorldEditor>(scene, grid, paths, dir.file("worldc.txt"), dir.file("worldp.txt"));
        editor->setEnabled(true);
    }
    void TearDown() override {
        editor.reset();
        NullDeviceFixture::TearDown();
    }

    irr::core::position2di screenOf(const vector3df& world) {
        return scene->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(world, camera);
    }
    void leftClick(const vector3df& at) { EXPECT_TRUE(editor->handleInput(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN, screenOf(at)))); }
    void rightClick(const vector3df& at) { EXPECT_TRUE(editor->handleInput(mouseEvent(irr::EMIE_RMOUSE_PRESSED_DOWN, screenOf(at)))); }
    void key(irr::EKEY_CODE code, bool down) { editor->handleInput(keyEvent(code, down)); }
    irr::video::SColor markerColour(int nodeId) {
        irr::scene::ISceneNode* marker = scene->getSceneNodeFromId(nodeId);
        return marker ? marker->getMaterial(0).EmissiveColor : irr::video::SColor(0);
    }
    const irr::core::stringw& lastConsoleText() { return device().getConsole()->lines.back().text; }

    TempDir dir;
    CollisionGrid grid;
    PathFinder paths;
    irr::scene::ISceneManager* scene = nullptr;
    irr::scene::ICameraSceneNode* camera = nullptr;
    std::unique_ptr<WorldEditor> editor;
};

TEST_F(WorldEditorTest, ClickingACellTwiceMakesTwoCubesAndARightClickRemovesBoth) {
    const vector3df cell(812, 0, 552); // column 162, row 110
    leftClick(cell);
    leftClick(cell);
    EXPECT_EQ(editor->cellMarkerCount(), 2u);
    EXPECT_TRUE(grid.isBlocked(162, 110));
    leftClick(vector3df(832, 0, 552));
    rightClick(cell);
    EXPECT_EQ(editor->cellMarkerCount(), 1u) << "the other cell keeps its cube";
    EXPECT_FALSE(grid.isBlocked(162, 110));
    EXPECT_TRUE(grid.isBlocked(166, 110));
    editor->setEnabled(false);
    EXPECT_FALSE(editor->handleInput(mouseEvent(irr::EMIE_LMOUSE_PRESSED_DOWN, screenOf(cell))));
    EXPECT_EQ(editor->cellMarkerCount(), 1u) << "switched off, it takes no input";
}

TEST_F(WorldEditorTest, NodesAreNamedUnConnectedOnceByAltClickAndTakeTheirEdgesWithThem) {
    key(irr::KEY_F5, true);
    ASSERT_EQ(editor->getMode(), WorldEditor::PATH_MODE);
    const vector3df a(800, 0, 540), b(830, 0, 560), c(815, 0, 580);
    for (const vector3df& at : {a, b, c, a}) // the fourth click selects
        leftClick(at);
    ASSERT_EQ(paths.getNodes().size(), 3u);
    const int first = paths.getNodes()[0]->id;
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(paths.getNodes()[i]->name, "un");
        EXPECT_EQ(paths.getNodes()[i]->id, first + static_cast<int>(i));
    }
    EXPECT_EQ(paths.getNextId(), first + 3);
    EXPECT_EQ(editor->selectedNodeId(), first);
    EXPECT_EQ(markerColour(first), kSelected);
    leftClick(b);
    EXPECT_EQ(editor->selectedNodeId(), first + 1);
    EXPECT_EQ(markerColour(first), kUnselected) << "the node selected before is painted back";
    EXPECT_EQ(markerColour(first + 1), kSelected);
    leftClick(a);
    key(irr::KEY_LMENU, true);
    for (const vector3df& at : {b, b, c})
        leftClick(at);
    key(irr::KEY_LMENU, false);
    EXPECT_EQ(paths.getConnections().size(), 2u) << "the second connection to b is a duplicate";
    key(irr::KEY_F6, true);
    EXPECT_EQ(editor->selectedNodeId(), first) << "switching mode keeps the selection";
    key(irr::KEY_F5, true);
    rightClick(a);
    EXPECT_EQ(editor->selectedNodeId(), -1);
    EXPECT_EQ(paths.getNodes().size(), 2u);
    EXPECT_TRUE(paths.getConnections().empty());
    EXPECT_EQ(editor->nodeMarkerCount(), 2u);
}

TEST_F(WorldEditorTest, SavedFilesLoadBackIntoTheEditedState) {
    leftClick(vector3df(812, 0, 552));
    key(irr::KEY_KEY_S, true);
    EXPECT_EQ(lastConsoleText(), L"Collision saved!");
    key(irr::KEY_F5, true);
    for (const vector3df& at : {vector3df(800, 0, 540), vector3df(830, 0, 560), vector3df(800, 0, 540)})
        leftClick(at);
    key(irr::KEY_LMENU, true);
    leftClick(vector3df(830, 0, 560));
    key(irr::KEY_KEY_S, true);
    EXPECT_EQ(lastConsoleText(), L"Path saved!");

    // The files' own format is WorldFilesTest's; here, that S wrote what was edited.
    CollisionGrid loadedGrid;
    ASSERT_TRUE(loadedGrid.load(dir.file("worldc.txt")));
    EXPECT_TRUE(loadedGrid.isBlocked(162, 110));
    PathFinder loaded;
    ASSERT_TRUE(loaded.loadGraph(dir.file("worldp.txt")));
    EXPECT_EQ(loaded.getConnections().size(), 1u);
    // A reopened editor shows what was saved once it is switched on, not before.
    WorldEditor reopened(scene, loadedGrid, loaded, dir.file("worldc.txt"), dir.file("worldp.txt"));
    EXPECT_EQ(reopened.cellMarkerCount(), 0u);
    reopened.setEnabled(true);
    reopened.setEnabled(false);
    reopened.setEnabled(true);
    EXPECT_EQ(reopened.cellMarkerCount(), 1u);
    EXPECT_EQ(reopened.nodeMarkerCount(), 2u);
}
