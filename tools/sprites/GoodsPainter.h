#pragma once
// Paints the bakery's goods in their four baking stages, the dough lumps and the other items
// the baker handles. Every picture sits on the bottom row of its cell and is outlined.
#include "tools/sprites/RgbaImage.h"

namespace SpriteArt {

enum class Good { Bun, Boule, Bread, Croissant, Baguette, Baiser, Donut };

class GoodsPainter {
public:
    static constexpr int kStages = 4; // raw, baked, dark, burnt

    // 32 x 32, except the baguette (64 x 32).
    static RgbaImage good(Good good, int stage);
    // size 1..7, from a pinch to a trough-filling mass.
    static RgbaImage dough(int size);
    static RgbaImage unknownRecipe();
    static RgbaImage zwieback();
    static RgbaImage melonpan();
    static RgbaImage box();
    static RgbaImage letter();
};

} // namespace SpriteArt
