#include "src_lumo/Gui/VisualTextBoxStatic.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/FramedBoard.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

namespace Lumo {

namespace {
const irr::core::rectf kContinueMarker(548, 328, 580, 360);
} // namespace

const irr::core::rectf VisualTextBoxStatic::kTextArea(60, 280, kContinueMarker.UpperLeftCorner.X,
                                                      280 + 2 * kLineHeight + BitmapFont::kCell);

VisualTextBoxStatic::VisualTextBoxStatic(const std::wstring& text, const std::wstring& speakerName)
    : speakerName(speakerName) {
    addPage(text);
}

void VisualTextBoxStatic::show() {
    shown = true;
    typingTime = 0;
}

int VisualTextBoxStatic::markerCell() const {
    if (!pageComplete)
        return -1;
    return static_cast<int>((typingTime / kMarkerCellMs) % 3);
}

void VisualTextBoxStatic::draw() {
    if (!shown || !visible || !currentPage())
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* skin = gGameData ? gGameData->gui2Texture : nullptr;
    const BitmapFont font = BitmapFont::forGame();

    painter.drawImage(skin, GuiSheetLayout::kDialogueBox.rect(), irr::core::rectf(40, 260, 580, 360));
    if (!speakerName.empty()) {
        const float width = 2 * FramedBoard::kFrame + BitmapFont::measure(speakerName).Width;
        FramedBoard::draw(painter, skin, irr::core::rectf(40, 222, 40 + width, 254));
        font.drawText(painter, speakerName, 56, 230, irr::video::SColor(0xFFFFFFFF));
    }
    drawTypedText(painter, font, kTextArea.UpperLeftCorner.X, kTextArea.UpperLeftCorner.Y, kLineHeight);
    const int cell = markerCell();
    if (cell >= 0)
        painter.drawImage(skin, GuiSheetLayout::continueMarker(cell).rect(), kContinueMarker);
}

} // namespace Lumo
