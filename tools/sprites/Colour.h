#pragma once
// 32-bit ARGB colours as the sheets store them, with the few mixing rules the painters share.
#include <algorithm>
#include <cstdint>

namespace SpriteArt {

using Colour = std::uint32_t;

constexpr Colour kTransparent = 0;

constexpr Colour rgb(int r, int g, int b, int a = 255)
{
    return (static_cast<Colour>(a) << 24) | (static_cast<Colour>(r) << 16) |
           (static_cast<Colour>(g) << 8) | static_cast<Colour>(b);
}

constexpr int alphaOf(Colour c) { return static_cast<int>(c >> 24); }
constexpr int redOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>(c & 0xFF); }

inline int clampChannel(float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); }

// Scales the colour channels; below 1 darkens, above 1 lightens. Alpha is kept.
inline Colour shade(Colour c, float factor)
{
    return rgb(clampChannel(redOf(c) * factor), clampChannel(greenOf(c) * factor),
               clampChannel(blueOf(c) * factor), alphaOf(c));
}

inline Colour mix(Colour a, Colour b, float t)
{
    auto lerp = [t](int x, int y) { return clampChannel(x + (y - x) * t); };
    return rgb(lerp(redOf(a), redOf(b)), lerp(greenOf(a), greenOf(b)), lerp(blueOf(a), blueOf(b)),
               lerp(alphaOf(a), alphaOf(b)));
}

inline Colour withAlpha(Colour c, int alpha)
{
    return (c & 0x00FFFFFFu) | (static_cast<Colour>(std::clamp(alpha, 0, 255)) << 24);
}

} // namespace SpriteArt
