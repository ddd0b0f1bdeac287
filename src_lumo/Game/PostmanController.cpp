#include "src_lumo/Game/PostmanController.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Processes/ProcessManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/SpawnLetterEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Processes/MoveCharacterPathProcess.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Sprites/CharacterNode.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/World/PathFinder.h"

namespace Lumo {

using TovarWorks::gDevice;

PostmanController::PostmanController(std::shared_ptr<LumoVisual> ownerVisual) : visual(std::move(ownerVisual)) {
    postman = CharNode::putOnStage(gDevice->getSceneManager(), gGameData->spriteDefinitions, L"postbote");
    if (!postman)
        return;
    postman->getNode()->setVisible(false);
    visual->setCharacter(kCharacterId, postman);
}

void PostmanController::start() {
    if (active)
        return;
    active = true;
    finished = false;
    if (postman)
        postman->getNode()->setVisible(true);
    const PathFinder* graph = gGameData->world.customers->pathFinder().get();
    const irr::core::vector3df park = graph ? graph->nodePosition("park") : irr::core::vector3df();
    gDevice->getEventManager()->QueueEvent(std::make_shared<TeleportCharacterEvent>(kCharacterId, park));
}

void PostmanController::walkBetween(const char* from, const char* to) {
    walk = std::make_shared<MoveCharacterPathProcess>(from, to, kCharacterId, visual);
    gDevice->getProcessManager()->Attach(walk);
}

void PostmanController::step() {
    if (!active || finished)
        return;
    if (walk) {
        if (walk->dead)
            walk.reset();
        return;
    }
    switch (stage) {
    case 0:
        walkBetween("park", "la_1");
        break;
    case 1:
        walkBetween("la_1", "sh_2");
        break;
    case 2:
        gDevice->getEventManager()->QueueEvent(std::make_shared<SpawnLetterEvent>());
        walkBetween("sh_2", "bar_1");
        break;
    case 3:
        walkBetween("bar_1", "park");
        break;
    default:
        finished = true;
        break;
    }
    ++stage;
}

void PostmanController::reset() {
    active = false;
    finished = false;
    stage = 0;
    if (postman)
        postman->getNode()->setVisible(false);
    if (walk) {
        walk->Kill();
        walk.reset();
    }
}

} // namespace Lumo
