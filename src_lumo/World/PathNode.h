#pragma once
// One named waypoint of the walking graph. The search keeps its scratch values here, so a node
// belongs to exactly one PathFinder.
#include <irrlicht.h>

#include <string>
#include <vector>

namespace Lumo {

class NodeConnection;

class PathNode {
public:
    PathNode(const irr::core::vector3df& position, std::string name, int id)
        : position(position), id(id), name(std::move(name)) {}

    void resetSearch() {
        parent = nullptr;
        g = h = f = 0.0f;
    }

    irr::core::vector3df position;
    int id;
    std::string name;
    std::vector<NodeConnection*> connections;

    PathNode* parent = nullptr;
    float g = 0.0f;
    float h = 0.0f;
    float f = 0.0f;
};

} // namespace Lumo
