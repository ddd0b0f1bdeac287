#pragma once
// The question at the bed: "go to bed?" - yes starts the next day, no (also the cancel key)
// closes the board. The board opens on "no" so that a stray confirm keeps the day going. While
// customers are still due today, the question says so: they would be lost.
#include "src_lumo/Gui/VisualTextBoxChoice.h"

#include <memory>

namespace Lumo {

std::shared_ptr<VisualTextBoxChoice> createBedChoice(bool customersDue = false);

} // namespace Lumo
