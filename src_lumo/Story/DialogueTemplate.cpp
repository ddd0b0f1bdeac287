#include "src_lumo/Story/DialogueTemplate.h"

#include "src_lumo/Story/StoryChain.h"

namespace Lumo {

void DialogueTemplate::play(const std::shared_ptr<LumoVisual>& visual, const StoryBox& box,
                            const TovarWorks::IEventDataPtr& closingEvent) {
    StoryChain::freeze();
    StoryChain chain(visual);
    chain.clockOff();
    chain.box(box);
    if (closingEvent)
        chain.event(closingEvent);
    chain.clockOn();
    chain.releaseLater();
    chain.launch();
}

} // namespace Lumo
