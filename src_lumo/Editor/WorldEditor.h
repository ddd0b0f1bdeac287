#pragma once
// The developer's editor for the collision grid and the waypoint graph, drawn into the running
// scene: click cells to block or free them, click the ground to add waypoints, Alt-click to
// connect them, S to save. The visual hands it input first while it is enabled.
#include <irrlicht.h>

#include <string>
#include <vector>

namespace Lumo {

class CollisionGrid;
class PathFinder;

class WorldEditor {
public:
    enum Mode { COLLISION_MODE = 0, PATH_MODE = 1 };

    WorldEditor(irr::scene::ISceneManager* scene, CollisionGrid& grid, PathFinder& paths,
                std::string gridFile, std::string graphFile);
    ~WorldEditor();
    WorldEditor(const WorldEditor&) = delete;
    WorldEditor& operator=(const WorldEditor&) = delete;

    // Shows or hides every marker; while disabled the editor takes no input. The markers of the
    // loaded grid and graph are made the first time it is switched on.
    void setEnabled(bool on);
    bool isEnabled() const { return enabled; }

    // The screen rectangle the scene is drawn into: the mouse is read against it.
    void setViewport(const irr::core::recti& area) { viewport = area; }
    // True when the editor used the event.
    bool handleInput(const irr::SEvent& event);
    // Picking, the mode caption and the connection lines; called inside the scene.
    void step(irr::video::IVideoDriver* driver, irr::gui::IGUIFont* font);

    int getMode() const { return mode; }
    int selectedNodeId() const { return selected ? selected->getID() : -1; }
    size_t cellMarkerCount() const { return cellMarkers.size(); }
    size_t nodeMarkerCount() const { return nodeMarkers.size(); }
    irr::core::vector3df groundPoint() const { return ground; }
    irr::core::vector3df cursorPosition() const { return cursor->getPosition(); }

private:
    // From the camera through the mouse, as the scene is projected into its viewport.
    bool rayUnderMouse(irr::core::line3df& ray) const;
    void pick();
    void handleKey(const irr::SEvent::SKeyInput& key);
    void handleMouseDown(bool left);
    void addMarkersOfTheLoadedFiles();
    void addCellMarker(int column, int row);
    void removeCellMarkers(int column, int row);
    irr::scene::ISceneNode* addNodeMarker(const irr::core::vector3df& position, int id);
    irr::scene::ISceneNode* nodeMarkerUnderMouse() const;
    void select(irr::scene::ISceneNode* marker);
    void save();

    irr::scene::ISceneManager* scene;
    CollisionGrid& grid;
    PathFinder& paths;
    const std::string gridFile;
    const std::string graphFile;

    irr::core::recti viewport;
    bool enabled = false;
    irr::core::position2di mouse;
    irr::scene::ISceneNode* cursor = nullptr;
    int column = 0;
    int row = 0;
    irr::core::vector3df ground;
    irr::scene::ISceneNode* cellParent = nullptr;
    irr::scene::ISceneNode* nodeParent = nullptr;
    irr::scene::ISceneNode* selected = nullptr;
    bool connectModifier = false;
    irr::scene::IMesh* cellMesh = nullptr;
    std::vector<irr::scene::ISceneNode*> cellMarkers;
    std::vector<irr::scene::ISceneNode*> nodeMarkers;
    int mode = COLLISION_MODE;
};

} // namespace Lumo
