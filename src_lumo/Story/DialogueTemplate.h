#pragma once
// The shape of every short talk (letters, remarks, the merchant, the barman, a customer): the game
// stops, the clock stops, one box is read, then clock and player come back.
#include "TovarWorks/Events/IEventData.h"
#include "src_lumo/Story/StoryBox.h"

#include <memory>

namespace Lumo {

class LumoVisual;

class DialogueTemplate {
public:
    // The closing event, if any, is delivered after the last page and before the clock runs again.
    static void play(const std::shared_ptr<LumoVisual>& visual, const StoryBox& box,
                     const TovarWorks::IEventDataPtr& closingEvent = nullptr);
};

} // namespace Lumo
