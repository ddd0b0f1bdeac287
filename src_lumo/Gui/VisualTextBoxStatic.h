#pragma once
// The dialogue box at the bottom of the screen, with the speaker's name plate and a blinking
// "continue" marker once the page is typed.
#include "src_lumo/Gui/VisualTextBox.h"

namespace Lumo {

class VisualTextBoxStatic : public VisualTextBox {
public:
    static constexpr uint32_t kMarkerCellMs = 150;
    static constexpr int kLineHeight = 20;
    // Where a page's text may go: from the pen's start to the "continue" marker, three lines deep.
    static const irr::core::rectf kTextArea;

    explicit VisualTextBoxStatic(const std::wstring& text, const std::wstring& speakerName = L"");

    void show() override;
    void draw() override;

    // The marker's cell (0-2) while the page is complete, -1 before.
    int markerCell() const;
    const std::wstring& getSpeakerName() const { return speakerName; }

private:
    std::wstring speakerName;
};

} // namespace Lumo
