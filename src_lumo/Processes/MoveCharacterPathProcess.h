#pragma once
// Walks a character from one named node of the path graph to another, waypoint by waypoint.
// Born dead when the graph knows no such path, so that a chain simply moves on.
#include "TovarWorks/Processes/Process.h"

#include <irrlicht.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Lumo {

class CharNode;
class LumoVisual;

class MoveCharacterPathProcess : public TovarWorks::Process {
public:
    static constexpr float kArrivalTolerance = 3.0f;
    static constexpr uint32_t kNoWaypoint = 0xFFFFFFFF;

    // The character is looked up by id in the visual when the walk starts.
    MoveCharacterPathProcess(const std::string& startNode, const std::string& endNode, std::string characterId,
                             std::shared_ptr<LumoVisual> visual);
    // The character is given directly (a served customer walking out).
    MoveCharacterPathProcess(const std::string& startNode, const std::string& endNode, bool removeOnArrival,
                             std::shared_ptr<CharNode> character);

    void OnInitialize() override;
    void OnUpdate(uint32_t deltaMillis) override;

    const std::vector<irr::core::vector3df>& getPath() const { return path; }
    uint32_t getWaypoint() const { return waypoint; }

private:
    void findPath(const std::string& startNode, const std::string& endNode);

    uint32_t elapsed = 0;
    std::vector<irr::core::vector3df> path;
    uint32_t waypoint = 0;
    std::shared_ptr<LumoVisual> visual;
    std::string characterId;
    std::shared_ptr<CharNode> character;
    bool removeOnArrival = false;
};

} // namespace Lumo
