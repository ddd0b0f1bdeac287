#include "src_lumo/Gui/TextSpeed.h"

#include <algorithm>

namespace Lumo {

namespace {
struct SpeedEntry {
    const wchar_t* name;
    uint32_t msPerCharacter;
};
// Normal is the speed the game has always typed at.
constexpr SpeedEntry kSpeeds[TextSpeeds::kCount] = {{L"slow", 30}, {L"normal", 15}, {L"fast", 5}, {L"instant", 0}};
} // namespace

uint32_t TextSpeeds::msPerCharacter(TextSpeed speed) { return kSpeeds[static_cast<int>(speed)].msPerCharacter; }

const wchar_t* TextSpeeds::name(TextSpeed speed) { return kSpeeds[static_cast<int>(speed)].name; }

bool TextSpeeds::byName(const std::wstring& name, TextSpeed& speed) {
    for (int i = 0; i < kCount; ++i)
        if (name == kSpeeds[i].name) {
            speed = static_cast<TextSpeed>(i);
            return true;
        }
    return false;
}

TextSpeed TextSpeeds::step(TextSpeed speed, int direction) {
    return static_cast<TextSpeed>(std::clamp(static_cast<int>(speed) + direction, 0, kCount - 1));
}

} // namespace Lumo
