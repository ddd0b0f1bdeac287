#include "src_lumo/Gui/BedChoice.h"

#include "src_lumo/Events/CloseChoiceEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Game/GameData.h"

namespace Lumo {

std::shared_ptr<VisualTextBoxChoice> createBedChoice(bool customersDue) {
    std::wstring question = gameText("BED_QUESTION");
    if (customersDue)
        question += L"\n" + gameText("BED_CUSTOMERS_DUE");
    auto choice = std::make_shared<VisualTextBoxChoice>(question);
    choice->addEntry(gameText("BED_YES"), std::make_shared<StartNewDayEvent>());
    choice->addEntry(gameText("BED_NO"), std::make_shared<CloseChoiceEvent>());
    choice->setSelection(1);
    choice->setCancelIndex(1);
    return choice;
}

} // namespace Lumo
