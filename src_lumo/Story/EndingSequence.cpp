#include "src_lumo/Story/EndingSequence.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Events/FadeOverlayTextEvent.h"
#include "src_lumo/Events/RemoveCharacterEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/TextOverlay.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Story/DialogueTable.h"
#include "src_lumo/Story/StoryChain.h"

namespace Lumo {

void EndingSequence::play(const std::shared_ptr<LumoVisual>& visual) {
    const bool won = isWon(gGameData->world.money);
    StoryChain::freeze();
    // The last day is over: no clock ticks on, so no late customer walks into the final scene.
    TovarWorks::gDevice->getEventManager()->Trigger(SetTimerEvent(false));
    StoryChain chain(visual);
    chain.event(std::make_shared<SetHudEvent>(false));
    chain.teleportToNode("hero", "bs_1");
    chain.face("hero", FACE_DOWN);
    chain.fadeIn(2500);
    chain.addCharacter("f_node", "out", L"male2", FACE_UP);
    chain.walk("hero", "bs_1", "sh_2");
    chain.face("hero", FACE_DOWN);
    chain.walk("f_node", "out", "sh_1");
    chain.face("f_node", FACE_LEFT);
    chain.face("hero", FACE_RIGHT);
    chain.wait(500);
    chain.box(won ? DialogueTable::kEndingWon : DialogueTable::kEndingLost);
    chain.fadeOut(2500);
    chain.wait(2000);
    chain.event(std::make_shared<ShowOverlayTextEvent>(
        DialogueTable::overlayText(won ? DialogueTable::kYouWin : DialogueTable::kGameOver)));
    chain.wait(3000);
    chain.event(std::make_shared<FadeOverlayTextEvent>());
    chain.event(std::make_shared<RemoveCharacterEvent>("f_node"));
    chain.wait(static_cast<uint32_t>(TextOverlay::kDefaultDuration));
    // Nothing can walk through the scene: the keys come back only when the last words have
    // faded, and the logic takes that as the end of the game.
    chain.releaseLater();
    chain.launch();
}

} // namespace Lumo
