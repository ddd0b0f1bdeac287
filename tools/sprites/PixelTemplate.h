#pragma once
// A small hand-drawn pixel map: each character of a row names a colour role of the look
// ('.' leaves the pixel alone). Heads, hair, hats and beards are authored this way.
#include "tools/sprites/RgbaImage.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace SpriteArt {

using PixelTemplate = std::vector<std::string>;
using RoleColours = std::function<std::optional<Colour>(char role)>;

// Draws the template with its top-left corner at (x, y).
void stampTemplate(RgbaImage& image, const PixelTemplate& pixels, int x, int y, const RoleColours& colours);

} // namespace SpriteArt
