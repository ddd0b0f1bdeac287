#include "DialogueReader.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Visual/LumoVisual.h"

std::string DialogueReader::idOf(const std::wstring& text) {
    for (const auto& [id, words] : Lumo::gGameData->texts.all())
        if (words == text)
            return id;
    return "?";
}

void DialogueReader::readAlongOneFrame() {
    for (const auto& box : play.getLogic().getVisual()->getTextBoxes().getBoxes()) {
        if (!box->isShown() || !box->currentPage())
            continue;
        if (box != lastBox.lock() || box->getPageIndex() != lastPage) {
            const auto* dialogue = dynamic_cast<const Lumo::VisualTextBoxStatic*>(box.get());
            seen.push_back({dialogue ? idOf(dialogue->getSpeakerName()) : "", idOf(*box->currentPage())});
            lastBox = box;
            lastPage = box->getPageIndex();
        }
        break;
    }
    play.readPage();
    play.runFrames(1);
}

bool DialogueReader::anyBoxOnScreen() const {
    return !play.getLogic().getVisual()->getTextBoxes().getBoxes().empty();
}

void DialogueReader::forgetPages() {
    seen.clear();
    lastBox.reset();
    lastPage = -1;
}

std::vector<std::string> DialogueReader::pagesSeen() const {
    std::vector<std::string> ids;
    for (const SeenPage& page : seen)
        ids.push_back(page.pageId);
    return ids;
}

std::vector<std::string> DialogueReader::speakersSeen() const {
    std::vector<std::string> ids;
    for (const SeenPage& page : seen)
        ids.push_back(page.speakerId);
    return ids;
}
