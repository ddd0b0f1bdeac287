#include "src_lumo/Editor/WorldEditor.h"

#include "TovarWorks/Console/DebugLog.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"

#include <algorithm>

using irr::core::vector3df;
using irr::video::SColor;

namespace Lumo {

namespace {
const SColor kNodeColour(0xFF0000C8);
const SColor kSelectedColour(0xFFFF0000);
const SColor kCellColour(0xFFC80000);
constexpr float kMarkerSize = 2.0f;

vector3df cellCentre(int column, int row) {
    return vector3df(CollisionGrid::kCellSize * column + 2.0f, 0.0f, CollisionGrid::kCellSize * row + 2.0f);
}

void paint(irr::scene::ISceneNode* node, SColor colour) {
    for (irr::u32 i = 0; i < node->getMaterialCount(); ++i) {
        irr::video::SMaterial& material = node->getMaterial(i);
        material.Lighting = false;
        material.EmissiveColor = colour;
        material.DiffuseColor = colour;
        material.AmbientColor = colour;
    }
    if (node->getType() == irr::scene::ESNT_SPHERE || node->getType() == irr::scene::ESNT_CUBE) {
        irr::scene::IMeshSceneNode* mesh = static_cast<irr::scene::IMeshSceneNode*>(node);
        if (mesh->getMesh())
            mesh->getSceneManager()->getMeshManipulator()->setVertexColors(mesh->getMesh(), colour);
    }
}

void report(const wchar_t* text) {
    if (TovarWorks::gDevice)
        TovarWorks::gDevice->print(text, TovarWorks::MSG_INFO);
}
} // namespace

WorldEditor::WorldEditor(irr::scene::ISceneManager* sceneManager, CollisionGrid& collisionGrid,
                         PathFinder& pathFinder, std::string gridFileName, std::string graphFileName)
    : scene(sceneManager), grid(collisionGrid), paths(pathFinder), gridFile(std::move(gridFileName)),
      graphFile(std::move(graphFileName)),
      // Until the visual says where the scene is drawn, it fills the window.
      viewport(irr::core::position2di(0, 0), sceneManager->getVideoDriver()->getScreenSize()) {
    cursor = scene->addCubeSceneNode(kMarkerSize);
    paint(cursor, SColor(0xFFFFFF00));
    cursor->setVisible(false);
    cellParent = scene->addEmptySceneNode();
    nodeParent = scene->addEmptySceneNode();
    cellParent->setVisible(false);
    nodeParent->setVisible(false);
}

WorldEditor::~WorldEditor() {
    cursor->remove();
    cellParent->remove();
    nodeParent->remove();
    if (cellMesh)
        cellMesh->drop();
}

// The level blocks some twenty thousand cells: their cubes are made when the editor is first
// switched on, not in every game, and share one mesh.
void WorldEditor::addMarkersOfTheLoadedFiles() {
    if (cellMesh)
        return;
    cellMesh = scene->getGeometryCreator()->createCubeMesh(vector3df(kMarkerSize, kMarkerSize, kMarkerSize));
    scene->getMeshManipulator()->setVertexColors(cellMesh, kCellColour);
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        for (int r = 0; r < CollisionGrid::kRows; ++r)
            if (grid.cell(c, r) == 1)
                addCellMarker(c, r);
    for (const auto& node : paths.getNodes())
        addNodeMarker(node->position, node->id);
}

void WorldEditor::setEnabled(bool on) {
    if (on)
        addMarkersOfTheLoadedFiles();
    enabled = on;
    cursor->setVisible(on);
    cellParent->setVisible(on);
    nodeParent->setVisible(on);
}

bool WorldEditor::handleInput(const irr::SEvent& event) {
    if (!enabled)
        return false;
    if (event.EventType == irr::EET_KEY_INPUT_EVENT) {
        handleKey(event.KeyInput);
        return event.KeyInput.Key == irr::KEY_KEY_S || event.KeyInput.Key == irr::KEY_F5 ||
               event.KeyInput.Key == irr::KEY_F6 || event.KeyInput.Key == irr::KEY_LMENU;
    }
    if (event.EventType != irr::EET_MOUSE_INPUT_EVENT)
        return false;
    mouse = irr::core::position2di(event.MouseInput.X, event.MouseInput.Y);
    switch (event.MouseInput.Event) {
    case irr::EMIE_LMOUSE_PRESSED_DOWN:
        handleMouseDown(true);
        return true;
    case irr::EMIE_RMOUSE_PRESSED_DOWN:
        handleMouseDown(false);
        return true;
    default:
        return event.MouseInput.Event == irr::EMIE_MOUSE_MOVED;
    }
}

void WorldEditor::handleKey(const irr::SEvent::SKeyInput& key) {
    // Left Alt is the connect modifier; Irrlicht reports it as the left menu key.
    if (key.Key == irr::KEY_LMENU) {
        connectModifier = key.PressedDown;
        return;
    }
    if (!key.PressedDown)
        return;
    switch (key.Key) {
    case irr::KEY_KEY_S:
        save();
        break;
    case irr::KEY_F5:
        mode = PATH_MODE;
        break;
    case irr::KEY_F6:
        mode = COLLISION_MODE;
        break;
    default:
        break;
    }
}

void WorldEditor::save() {
    if (mode == COLLISION_MODE) {
        if (grid.save(gridFile))
            report(L"Collision saved!");
    } else if (paths.saveGraph(graphFile)) {
        report(L"Path saved!");
    }
}

bool WorldEditor::rayUnderMouse(irr::core::line3df& ray) const {
    // Irrlicht's own screen ray ignores where the viewport sits and takes whichever viewport the
    // driver has at the moment; the scene's is letter- or pillar-boxed.
    const irr::scene::ICameraSceneNode* camera = scene->getActiveCamera();
    if (!camera || viewport.getWidth() <= 0 || viewport.getHeight() <= 0)
        return false;
    const irr::scene::SViewFrustum* frustum = camera->getViewFrustum();
    const vector3df farLeftUp = frustum->getFarLeftUp();
    const vector3df leftToRight = frustum->getFarRightUp() - farLeftUp;
    const vector3df upToDown = frustum->getFarLeftDown() - farLeftUp;
    const float across = static_cast<float>(mouse.X - viewport.UpperLeftCorner.X) / viewport.getWidth();
    const float down = static_cast<float>(mouse.Y - viewport.UpperLeftCorner.Y) / viewport.getHeight();
    ray = irr::core::line3df(frustum->cameraPosition, farLeftUp + leftToRight * across + upToDown * down);
    return true;
}

void WorldEditor::pick() {
    irr::core::line3df ray;
    if (!rayUnderMouse(ray))
        return;
    // A mathematical ground plane serves as the picking surface: it covers the whole world and
    // needs no mesh of its own.
    const irr::core::plane3df floor(vector3df(0, 0, 0), vector3df(0, 1, 0));
    vector3df hit;
    if (!floor.getIntersectionWithLine(ray.start, ray.getVector(), hit))
        return;
    ground = vector3df(hit.X, 0.0f, hit.Z);
    column = static_cast<int>(ground.X / CollisionGrid::kCellSize);
    row = static_cast<int>(ground.Z / CollisionGrid::kCellSize);
    cursor->setPosition(cellCentre(column, row));
}

void WorldEditor::handleMouseDown(bool left) {
    pick();
    if (mode == COLLISION_MODE) {
        if (!CollisionGrid::inside(column, row))
            return;
        if (left) {
            TovarWorks::debugLog() << "set:" << column << "," << row << "\n";
            addCellMarker(column, row);
            grid.setCell(column, row, 1);
        } else {
            removeCellMarkers(column, row);
            grid.setCell(column, row, 0);
        }
        return;
    }

    irr::scene::ISceneNode* marker = nodeMarkerUnderMouse();
    if (marker)
        TovarWorks::debugLog() << "node:" << marker->getID() << "\n";
    if (left) {
        if (!marker) {
            const int id = paths.getNextId();
            if (paths.addNode(ground, "un", id))
                addNodeMarker(ground, id);
        } else if (!connectModifier) {
            select(marker);
        } else if (selected) {
            paths.connect(marker->getID(), selected->getID());
        }
    } else if (marker) {
        if (marker == selected)
            selected = nullptr;
        paths.removeNode(marker->getID());
        nodeMarkers.erase(std::remove(nodeMarkers.begin(), nodeMarkers.end(), marker), nodeMarkers.end());
        marker->remove();
    }
}

void WorldEditor::addCellMarker(int c, int r) {
    irr::scene::ISceneNode* cube = scene->addMeshSceneNode(cellMesh, cellParent, -1, cellCentre(c, r));
    paint(cube, kCellColour);
    cellMarkers.push_back(cube);
}

void WorldEditor::removeCellMarkers(int c, int r) {
    const vector3df at = cellCentre(c, r);
    auto standsThere = [&](irr::scene::ISceneNode* cube) { return cube->getPosition().equals(at); };
    // Taken out of the list before removal: removing a node from the scene frees it.
    const auto kept = std::stable_partition(cellMarkers.begin(), cellMarkers.end(),
                                            [&](irr::scene::ISceneNode* cube) { return !standsThere(cube); });
    for (auto it = kept; it != cellMarkers.end(); ++it)
        (*it)->remove();
    cellMarkers.erase(kept, cellMarkers.end());
}

irr::scene::ISceneNode* WorldEditor::addNodeMarker(const vector3df& position, int id) {
    irr::scene::ISceneNode* sphere = scene->addSphereSceneNode(kMarkerSize, 8, nodeParent, id, position);
    paint(sphere, kNodeColour);
    nodeMarkers.push_back(sphere);
    return sphere;
}

irr::scene::ISceneNode* WorldEditor::nodeMarkerUnderMouse() const {
    irr::core::line3df ray;
    if (!rayUnderMouse(ray))
        return nullptr;
    // Irrlicht's ray picking skips invisible nodes and the id mask 0 accepts every id.
    return scene->getSceneCollisionManager()->getSceneNodeFromRayBB(ray, 0, false, nodeParent);
}

void WorldEditor::select(irr::scene::ISceneNode* marker) {
    if (selected)
        paint(selected, kNodeColour);
    selected = marker;
    paint(selected, kSelectedColour);
}

void WorldEditor::step(irr::video::IVideoDriver* driver, irr::gui::IGUIFont* font) {
    if (!enabled)
        return;
    pick();
    if (font)
        font->draw(mode == COLLISION_MODE ? L"collision-mode" : L"path-mode",
                   irr::core::rect<irr::s32>(50, 110, 400, 130), SColor(0xFFFFFFFF));

    irr::video::SMaterial lineMaterial;
    lineMaterial.Lighting = false;
    driver->setMaterial(lineMaterial);
    driver->setTransform(irr::video::ETS_WORLD, irr::core::IdentityMatrix);
    const vector3df raise(0, 1, 0);
    for (const auto& connection : paths.getConnections())
        driver->draw3DLine(connection->a->position + raise, connection->b->position + raise,
                           SColor(0xFFFFFFFF));
}

} // namespace Lumo
