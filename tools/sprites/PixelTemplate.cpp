#include "tools/sprites/PixelTemplate.h"

namespace SpriteArt {

void stampTemplate(RgbaImage& image, const PixelTemplate& pixels, int x, int y, const RoleColours& colours)
{
    for (size_t row = 0; row < pixels.size(); ++row)
        for (size_t col = 0; col < pixels[row].size(); ++col) {
            const char role = pixels[row][col];
            if (role == '.')
                continue;
            if (const std::optional<Colour> c = colours(role))
                image.set(x + static_cast<int>(col), y + static_cast<int>(row), *c);
        }
}

} // namespace SpriteArt
