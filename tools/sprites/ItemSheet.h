#pragma once
// The item sheet "lumodata/items.png" and its definition "items". The goods' frames lie where
// the recipe table expects them: good columns by kind, one row per baking stage from y 64.
#include "tools/sprites/FramedSheet.h"

namespace SpriteArt {

class ItemSheet {
public:
    static FramedSheet build();
};

} // namespace SpriteArt
