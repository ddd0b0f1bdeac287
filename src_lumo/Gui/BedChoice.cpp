#include "src_lumo/Gui/BedChoice.h"

#include "src_lumo/Events/CloseChoiceEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"

namespace Lumo {

std::shared_ptr<VisualTextBoxChoice> createBedChoice() {
    auto choice = std::make_shared<VisualTextBoxChoice>(L"go to bed?");
    choice->addEntry(L"yes", std::make_shared<StartNewDayEvent>());
    choice->addEntry(L"no", std::make_shared<CloseChoiceEvent>());
    choice->setSelection(1);
    choice->setCancelIndex(1);
    return choice;
}

} // namespace Lumo
