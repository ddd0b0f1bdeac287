#pragma once
#include <string>
#include <vector>

namespace Lumo {

class VisualCharacterFrame;

// An ordered list of frames of one definition; the same frame may appear several times.
struct SpriteAnimation {
    std::wstring name;
    std::vector<const VisualCharacterFrame*> frames; // owned by the definition
};

} // namespace Lumo
