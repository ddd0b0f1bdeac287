#include "src_lumo/Customers/AiTalk.h"

namespace Lumo {

void AiTalk::update(uint32_t) {
    if (done)
        return;
    if (character)
        character->say(textId, bubbleValue);
    done = true;
}

} // namespace Lumo
