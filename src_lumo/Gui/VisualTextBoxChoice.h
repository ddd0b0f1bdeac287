#pragma once
// The choice board: a question and a list of entries, each raising its own event when chosen.
// The logic moves the selection and confirms or cancels; the board draws itself.
#include "TovarWorks/Events/IEventData.h"
#include "src_lumo/Gui/VisualTextBox.h"

#include <vector>

namespace Lumo {

class VisualTextBoxChoice : public VisualTextBox {
public:
    struct Entry {
        std::wstring text;
        TovarWorks::IEventDataPtr event;
    };

    static constexpr float kLeft = 300.0f, kTop = 200.0f, kRowHeight = 24.0f;

    // The question, if any, is shown above the entries.
    explicit VisualTextBoxChoice(const std::wstring& question = L"");

    void addEntry(const std::wstring& text, const TovarWorks::IEventDataPtr& event);
    void show() override {}
    void draw() override;

    // Kept within the entries.
    void moveSelection(int delta);
    void setSelection(int index);
    void setCancelIndex(int index) { cancelIndex = index; }
    // Queue the selected entry's (or the cancel entry's) event; false when there is none to queue.
    bool confirm() const;
    bool cancel() const;

    // The board around the entries, in interface units.
    irr::core::rectf boardArea() const;

    const std::wstring& getQuestion() const { return question; }
    const std::vector<Entry>& getEntries() const { return entries; }
    int getSelection() const { return selection; }
    int getCancelIndex() const { return cancelIndex; }
    int getLongestEntry() const { return longestEntry; }

private:
    bool queueEntry(int index) const;

    std::wstring question;
    std::vector<Entry> entries;
    int selection = 0;
    int cancelIndex = 0;
    int longestEntry = 0;
};

} // namespace Lumo
