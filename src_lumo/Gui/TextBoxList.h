#pragma once
// The boxes of words on screen and the open choice board, with the player's confirm and cancel.
// The visual owns one; the logic forwards SPACE (confirm), X (cancel) and the arrows to it.
#include "src_lumo/Gui/VisualTextBox.h"
#include "src_lumo/Gui/VisualTextBoxChoice.h"

#include <memory>
#include <vector>

namespace Lumo {

class TextBoxList {
public:
    using BoxPtr = std::shared_ptr<VisualTextBox>;

    void add(const BoxPtr& box);
    void remove(const BoxPtr& box);
    const std::vector<BoxPtr>& getBoxes() const { return boxes; }

    void openChoice(const std::shared_ptr<VisualTextBoxChoice>& board) { choice = board; }
    void closeChoice() { choice.reset(); }
    const std::shared_ptr<VisualTextBoxChoice>& getChoice() const { return choice; }

    // With a choice board open, its selected entry's event is queued. Otherwise pages still typing
    // are completed at once; when none is, every visible box whose page is typed out turns its
    // page, or, on its last page, is finished and leaves the list; the first box finished ends the
    // walk. True when anything happened: the key is used.
    bool confirm();
    // Every visible box goes back a page; true when one did.
    bool previousPage();
    // The open board's cancel entry; true when a board was open.
    bool cancel();
    // Moves the open board's selection; true when a board was open.
    bool moveSelection(int delta);

    void drawChoice() const;
    void drawBoxes() const;

private:
    std::vector<BoxPtr> boxes;
    std::shared_ptr<VisualTextBoxChoice> choice;
};

} // namespace Lumo
