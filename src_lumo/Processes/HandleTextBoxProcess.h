#pragma once
// Shows a text box and lives until the player has read its last page: a story sequence waits on it.
#include "TovarWorks/Processes/Process.h"
#include "src_lumo/Gui/VisualTextBox.h"

#include <memory>

namespace Lumo {

class HandleTextBoxProcess : public TovarWorks::Process {
public:
    explicit HandleTextBoxProcess(std::shared_ptr<VisualTextBox> textBox) : textBox(std::move(textBox)) {}

    void OnInitialize() override;
    void OnUpdate(uint32_t deltaMillis) override;

    std::shared_ptr<VisualTextBox> textBox;
};

} // namespace Lumo
