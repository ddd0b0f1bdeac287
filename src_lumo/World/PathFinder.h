#pragma once
// The named waypoint graph that customers, the postman and story scenes walk along, with its
// A* search and the "lumodata/worldp.txt" file the editor writes.
#include "src_lumo/World/NodeConnection.h"
#include "src_lumo/World/PathNode.h"

#include <irrlicht.h>

#include <memory>
#include <string>
#include <vector>

namespace Lumo {

extern const char* const kWorldGraphFile; // "lumodata/worldp.txt"

class PathFinder {
public:
    // Replaces the graph by the file's; a file that cannot be opened leaves it as it was.
    bool loadGraph(const std::string& fileName);
    // Writes through a temporary file so that a failed write never loses the old graph.
    bool saveGraph(const std::string& fileName) const;

    PathNode* addNode(const irr::core::vector3df& position, const std::string& name, int id);
    bool connect(int id1, int id2);
    void removeNode(int id);

    // Goal first, start last; an unreachable goal comes back alone, unknown nodes give nothing.
    std::vector<PathNode*> findPath(const std::string& fromName, const std::string& toName);
    std::vector<PathNode*> findPath(int startId, int goalId);

    irr::core::vector3df nodePosition(const std::string& name) const;
    PathNode* findNode(int id) const;
    PathNode* findNode(const std::string& name) const;

    int getNextId() const { return nextId; }
    const std::vector<std::unique_ptr<PathNode>>& getNodes() const { return nodes; }
    const std::vector<std::unique_ptr<NodeConnection>>& getConnections() const { return connections; }

private:
    void clear();
    void readLine(const std::string& line);
    void resetSearch();
    PathNode* cheapestOpen() const;
    void expand(PathNode* current);

    int nextId = 0;
    std::vector<std::unique_ptr<PathNode>> nodes;
    std::vector<std::unique_ptr<NodeConnection>> connections;

    std::vector<PathNode*> open;
    std::vector<PathNode*> closed;
    PathNode* goal = nullptr;
    PathNode* start = nullptr;
};

} // namespace Lumo
