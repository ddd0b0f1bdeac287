#include "src_lumo/Story/StoryChain.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/AddCharacterEvent.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Processes/FadeScreenProcess.h"
#include "src_lumo/Processes/HandleTextBoxProcess.h"
#include "src_lumo/Processes/MoveCharacterPathProcess.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/World/PathFinder.h"

namespace Lumo {

using TovarWorks::gDevice;

void StoryChain::freeze() { gDevice->getEventManager()->Trigger(ChangeGameStateEvent(false, false)); }

void StoryChain::event(const TovarWorks::IEventDataPtr& event) { chain.AddEvent(event, 0); }

void StoryChain::process(const TovarWorks::ProcessPtr& process) { chain.AddProcess(process); }

void StoryChain::wait(uint32_t millis) { chain.AddWait(millis); }

void StoryChain::box(const StoryBox& box) {
    const TovarWorks::GameTexts& texts = gGameData->texts;
    auto textBox = std::make_shared<VisualTextBoxStatic>(texts.getGameText(box.pageIds.front()),
                                                         texts.getGameText(box.speakerId));
    for (size_t page = 1; page < box.pageIds.size(); ++page)
        textBox->addPage(texts.getGameText(box.pageIds[page]));
    visual->getTextBoxes().add(textBox);
    chain.AddProcess(std::make_shared<HandleTextBoxProcess>(textBox));
}

void StoryChain::face(const std::string& id, int32_t facing) {
    event(std::make_shared<ChangeFaceDirEvent>(id, facing));
}

TovarWorks::ProcessPtr StoryChain::walkProcess(const std::string& id, const std::string& fromNode,
                                               const std::string& toNode) const {
    return std::make_shared<MoveCharacterPathProcess>(fromNode, toNode, id, visual);
}

void StoryChain::walk(const std::string& id, const std::string& fromNode, const std::string& toNode) {
    process(walkProcess(id, fromNode, toNode));
}

void StoryChain::fadeIn(uint32_t millis) { process(std::make_shared<FadeScreenProcess>(true, millis)); }

void StoryChain::fadeOut(uint32_t millis) { process(std::make_shared<FadeScreenProcess>(false, millis)); }

void StoryChain::addCharacter(const std::string& id, const std::string& node, const std::wstring& definition,
                              int32_t facing) {
    event(std::make_shared<AddCharacterEvent>(nodePosition(node), definition, id, facing));
}

void StoryChain::teleport(const std::string& id, const irr::core::vector3df& position) {
    event(std::make_shared<TeleportCharacterEvent>(id, position));
}

void StoryChain::teleportToNode(const std::string& id, const std::string& node) { teleport(id, nodePosition(node)); }

void StoryChain::clockOff() { event(std::make_shared<SetTimerEvent>(false)); }

void StoryChain::clockOn() { event(std::make_shared<SetTimerEvent>(true)); }

void StoryChain::releaseLater() { event(std::make_shared<ChangeGameStateEvent>(true, true)); }

irr::core::vector3df StoryChain::nodePosition(const std::string& node) {
    const std::shared_ptr<PathFinder>& graph = gGameData->world.customers->pathFinder();
    return graph ? graph->nodePosition(node) : irr::core::vector3df(0, 0, 0);
}

} // namespace Lumo
