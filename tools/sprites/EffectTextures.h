#pragma once
// Soft textures for the scene: the shadow under every person, flour dust and the two
// smoke puffs of the oven.
#include "tools/sprites/RgbaImage.h"

namespace SpriteArt {

class EffectTextures {
public:
    static RgbaImage shadow();
    static RgbaImage flour();
    static RgbaImage lightSmoke();
    static RgbaImage darkSmoke();
};

} // namespace SpriteArt
