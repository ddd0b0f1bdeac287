#pragma once
// The small line of key hints at the bottom of the picture ("space: storeroom  c: pick up tray")
// on a dark strip, centred, its letters set closer than the dialogue's.
#include <string>
#include <vector>

namespace Lumo {

class HintLine {
public:
    static constexpr float kTop = 340.0f;
    static constexpr float kPitch = 12.0f;

    // The hints one after the other, two spaces apart.
    static std::wstring join(const std::vector<std::wstring>& hints);
    static void draw(const std::vector<std::wstring>& hints);
    // The width of the drawn line, in interface units.
    static float width(const std::wstring& line);
};

} // namespace Lumo
