#include "src_lumo/Gui/TextBoxList.h"

#include <algorithm>

namespace Lumo {

void TextBoxList::add(const BoxPtr& box) {
    if (box && std::find(boxes.begin(), boxes.end(), box) == boxes.end())
        boxes.push_back(box);
}

void TextBoxList::remove(const BoxPtr& box) { boxes.erase(std::remove(boxes.begin(), boxes.end(), box), boxes.end()); }

bool TextBoxList::confirm() {
    if (choice) {
        choice->confirm();
        return true;
    }
    // A page still typing comes out whole first; only the next confirm turns it.
    bool completed = false;
    for (const BoxPtr& box : boxes)
        if (box->visible && box->completePage())
            completed = true;
    if (completed)
        return true;
    bool used = false;
    for (const BoxPtr& box : std::vector<BoxPtr>(boxes)) {
        if (!box->visible || !box->isPageComplete())
            continue;
        used = true;
        if (box->isLastPage()) {
            box->finish();
            remove(box);
            return true;
        }
        box->nextPage();
    }
    return used;
}

bool TextBoxList::previousPage() {
    bool used = false;
    for (const BoxPtr& box : boxes)
        if (box->visible && box->previousPage())
            used = true;
    return used;
}

bool TextBoxList::cancel() {
    if (!choice)
        return false;
    choice->cancel();
    return true;
}

bool TextBoxList::moveSelection(int delta) {
    if (!choice)
        return false;
    choice->moveSelection(delta);
    return true;
}

void TextBoxList::drawChoice() const {
    if (choice)
        choice->draw();
}

void TextBoxList::drawBoxes() const {
    for (const BoxPtr& box : boxes)
        box->draw();
}

} // namespace Lumo
