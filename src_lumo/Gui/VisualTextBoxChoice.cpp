#include "src_lumo/Gui/VisualTextBoxChoice.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/FramedBoard.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <algorithm>

namespace Lumo {

namespace {
constexpr int kQuestionLineHeight = 20;
}

VisualTextBoxChoice::VisualTextBoxChoice(const std::wstring& question) : question(question) {}

void VisualTextBoxChoice::addEntry(const std::wstring& text, const TovarWorks::IEventDataPtr& event) {
    entries.push_back({text, event});
    longestEntry = std::max(longestEntry, static_cast<int>(text.size()));
}

void VisualTextBoxChoice::moveSelection(int delta) { setSelection(selection + delta); }

void VisualTextBoxChoice::setSelection(int index) {
    const int last = std::max(0, static_cast<int>(entries.size()) - 1);
    selection = std::clamp(index, 0, last);
}

bool VisualTextBoxChoice::confirm() const { return queueEntry(selection); }

bool VisualTextBoxChoice::cancel() const { return queueEntry(cancelIndex); }

bool VisualTextBoxChoice::queueEntry(int index) const {
    if (index < 0 || index >= static_cast<int>(entries.size()) || !entries[index].event)
        return false;
    if (!TovarWorks::gDevice || !TovarWorks::gDevice->getEventManager())
        return false;
    return TovarWorks::gDevice->getEventManager()->QueueEvent(entries[index].event);
}

// The width is the frame plus one cell per character of the longest entry. Rows are 24 units
// apart, so the height gives every row its full 24 units inside an 8-unit margin.
irr::core::rectf VisualTextBoxChoice::boardArea() const {
    const float width = 2 * FramedBoard::kFrame + BitmapFont::kCell * longestEntry;
    const float height = 16.0f + kRowHeight * static_cast<float>(entries.size());
    return {kLeft, kTop, kLeft + width, kTop + height};
}

void VisualTextBoxChoice::draw() {
    if (!visible)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* skin = gGameData ? gGameData->gui2Texture : nullptr;
    const BitmapFont font = BitmapFont::forGame();
    const irr::video::SColor white(0xFFFFFFFF);

    if (!question.empty()) {
        // A long question moves left rather than off the screen, and grows upwards by its lines.
        const irr::core::dimension2di size = BitmapFont::measure(question, kQuestionLineHeight);
        const float width = 2 * FramedBoard::kFrame + size.Width;
        const float left = std::min(kLeft, InterfaceView::kWidth - 8.0f - width);
        const float top = kTop - 20.0f - static_cast<float>(size.Height);
        FramedBoard::draw(painter, skin, irr::core::rectf(left, top, left + width, kTop - 4));
        font.drawText(painter, question, left + FramedBoard::kFrame, top + 8, white, kQuestionLineHeight);
    }
    FramedBoard::draw(painter, skin, boardArea());
    for (size_t i = 0; i < entries.size(); ++i)
        font.drawText(painter, entries[i].text, kLeft + FramedBoard::kFrame, kTop + 8 + kRowHeight * i, white);
    if (!entries.empty()) {
        const float rowY = kTop + 8 + kRowHeight * selection;
        painter.drawImage(skin, GuiSheetLayout::kSelectionMarker.rect(),
                          irr::core::rectf(kLeft, rowY, kLeft + 16, rowY + 16));
    }
}

} // namespace Lumo
