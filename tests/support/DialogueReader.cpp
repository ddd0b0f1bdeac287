#include "DialogueReader.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Visual/LumoVisual.h"
#include "src_lumo/Visual/VisualSpeechBubble.h"

namespace {

// The game's bubble, with every line it is given written down.
class NotedBubble : public Lumo::SpeechBubble {
public:
    NotedBubble(std::shared_ptr<Lumo::SpeechBubble> shown, std::shared_ptr<std::vector<std::wstring>> lines)
        : shown(std::move(shown)), lines(std::move(lines)) {}
    void setHearingRange(float range) override { shown->setHearingRange(range); }
    void addPage(const irr::core::stringw& text) override {
        lines->emplace_back(text.c_str());
        shown->addPage(text);
    }
    void show() override { shown->show(); }
    bool isHeardAt(const irr::core::vector3df& heroPosition) const override { return shown->isHeardAt(heroPosition); }
    void setPosition(const irr::core::vector3df& position) override { shown->setPosition(position); }
    void draw() override { shown->draw(); }

private:
    std::shared_ptr<Lumo::SpeechBubble> shown;
    std::shared_ptr<std::vector<std::wstring>> lines;
};

} // namespace

DialogueReader::DialogueReader(Lumo::ScriptedPlay& play)
    : play(play), bubbleLines(std::make_shared<std::vector<std::wstring>>()) {
    Lumo::CharNode::setSpeechBubbleFactory(
        [lines = bubbleLines, make = Lumo::VisualSpeechBubble::factory()](const irr::core::vector3df& at) {
            return std::make_shared<NotedBubble>(make(at), lines);
        });
}

DialogueReader::~DialogueReader() { Lumo::CharNode::setSpeechBubbleFactory(Lumo::VisualSpeechBubble::factory()); }

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
            speakers.push_back(dialogue ? idOf(dialogue->getSpeakerName()) : "");
            pages.push_back(idOf(*box->currentPage()));
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
    pages.clear();
    speakers.clear();
    lastBox.reset();
    lastPage = -1;
}

std::vector<std::string> DialogueReader::bubblesSeen() const {
    std::vector<std::string> ids;
    for (const std::wstring& line : *bubbleLines)
        ids.push_back(idOf(line));
    return ids;
}
