#pragma once
// A box of words typed in letter by letter, page after page. Time moves only in update, so a box
// can be drawn any number of times a frame. Dialogue boxes have always typed one character every
// 15 ms with a 50 ms drop per letter and a 150 ms blink step; those observed speeds are their pace.
// Speech bubbles were only ever drawn once a frame and keep the slower pace of 30 ms and 100 ms.
// The player's text speed scales a box's pace: normal keeps it.
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiElement.h"

#include <irrlicht.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Lumo {

struct TypingPace {
    uint32_t msPerCharacter;
    uint32_t dropMs; // how long a new letter takes to fall into place
};

class VisualTextBox : public GuiElement {
public:
    static constexpr TypingPace kDialoguePace{15, 50};
    static constexpr TypingPace kBubblePace{30, 100};

    explicit VisualTextBox(TypingPace pace = kDialoguePace) : pace(pace) {}

    virtual bool isInRange(const irr::core::vector3df& heroPosition) const;
    // A page read before comes back whole.
    virtual void nextPage();
    // Back to the page before, shown whole; false on the first page.
    bool previousPage();
    virtual void show() = 0;
    virtual void update(uint32_t deltaMillis);

    void addPage(const std::wstring& text) { pages.push_back(text); }
    // Null past the last page.
    const std::wstring* currentPage() const;
    bool isLastPage() const { return pageIndex + 1 >= static_cast<int32_t>(pages.size()); }
    // Characters of the current page that have appeared so far (may exceed the page length).
    size_t visibleCount() const;
    // The rest of the page appears at once, settled; false when there was nothing left to type.
    bool completePage();
    void finish() { finished = true; }
    // This box's pace at the text speed of the settings (normal without them); 0 types at once.
    uint32_t msPerCharacter() const;

    bool isShown() const { return shown; }
    bool isPageComplete() const { return pageComplete; }
    bool isFinished() const { return finished; }
    int32_t getPageIndex() const { return pageIndex; }
    uint32_t getTypingTime() const { return typingTime; }

    // Whole pixels a character that appeared at index is still above its place (negative = up).
    int dropOffsetPixels(size_t index) const;

protected:
    // Draws the current page's typed characters from the pen position; '\n' starts a new line.
    void drawTypedText(const GuiPainter& painter, const BitmapFont& font, float x, float y, int lineHeight) const;

    std::vector<std::wstring> pages;
    int32_t pageIndex = 0;
    int32_t furthestPage = 0;
    bool shown = false;
    bool pageComplete = false;
    bool finished = false;
    uint32_t typingTime = 0;

private:
    TypingPace pace;
};

} // namespace Lumo
