#include "src_lumo/Processes/MoveCharacterPathProcess.h"

#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/World/PathFinder.h"

#include <algorithm>

namespace Lumo {

MoveCharacterPathProcess::MoveCharacterPathProcess(const std::string& startNode, const std::string& endNode,
                                                   std::string characterId, std::shared_ptr<LumoVisual> visual)
    : visual(std::move(visual)), characterId(std::move(characterId)) {
    findPath(startNode, endNode);
}

MoveCharacterPathProcess::MoveCharacterPathProcess(const std::string& startNode, const std::string& endNode,
                                                   bool removeOnArrival, std::shared_ptr<CharNode> character)
    : character(std::move(character)), removeOnArrival(removeOnArrival) {
    findPath(startNode, endNode);
}

void MoveCharacterPathProcess::findPath(const std::string& startNode, const std::string& endNode) {
    PathFinder* graph = gGameData ? gGameData->world.customers->pathFinder().get() : nullptr;
    if (graph) {
        // The search answers goal first; walking goes the other way.
        const std::vector<PathNode*> found = graph->findPath(startNode, endNode);
        for (auto node = found.rbegin(); node != found.rend(); ++node)
            path.push_back((*node)->position);
    }
    if (path.empty()) {
        waypoint = kNoWaypoint;
        Kill();
    }
}

void MoveCharacterPathProcess::OnInitialize() {
    if (!character && visual)
        character = visual->findCharacter(characterId);
    if (!character)
        Kill();
    elapsed = 0;
}

void MoveCharacterPathProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    if (dead || waypoint >= path.size())
        return;
    elapsed += TovarWorks::gDevice->getFrameDelta();
    const irr::core::vector3df target = path[waypoint];
    const irr::core::vector3df position =
        character ? character->getNode()->getPosition() : irr::core::vector3df(0, 0, 0);
    if (position.getDistanceFrom(target) >= kArrivalTolerance) {
        character->walkStep(target);
        return;
    }
    ++waypoint;
    if (waypoint < path.size()) {
        character->walkStep(target);
        return;
    }
    Kill();
    if (removeOnArrival && character)
        character->removeFromStage();
}

} // namespace Lumo
