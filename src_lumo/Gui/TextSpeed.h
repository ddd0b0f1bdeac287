#pragma once
// How fast the words of a box are typed, as the player chose it on the options screen.
#include <cstdint>
#include <string>

namespace Lumo {

enum class TextSpeed { Slow, Normal, Fast, Instant };

struct TextSpeeds {
    static constexpr int kCount = 4;
    // 0 for instant: the whole page is there at once.
    static uint32_t msPerCharacter(TextSpeed speed);
    // "slow", "normal", "fast", "instant", as settings.ini and the options screen write them.
    static const wchar_t* name(TextSpeed speed);
    static bool byName(const std::wstring& name, TextSpeed& speed);
    // The next speed in the direction (-1 slower, +1 faster), stopping at either end.
    static TextSpeed step(TextSpeed speed, int direction);
};

} // namespace Lumo
