#include "src_lumo/Processes/HandleTextBoxProcess.h"

namespace Lumo {

void HandleTextBoxProcess::OnInitialize() {
    if (textBox)
        textBox->show();
}

void HandleTextBoxProcess::OnUpdate(uint32_t deltaMillis) {
    Process::OnUpdate(deltaMillis);
    // Without a box there is nothing to wait for.
    if (!textBox || textBox->isFinished()) {
        Kill();
        return;
    }
    textBox->update(deltaMillis);
}

} // namespace Lumo
