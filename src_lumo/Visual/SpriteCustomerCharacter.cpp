#include "src_lumo/Visual/SpriteCustomerCharacter.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Sprites/CharNode.h"

namespace Lumo {

void SpriteCustomerCharacter::say(const std::string& textId, float bubbleValue) {
    character->showSpeechBubble(gGameData->texts.getGameText(textId).c_str(), bubbleValue);
}

} // namespace Lumo
