#pragma once
// The shelf things of the shop and the bar ("stuff"): coins, bottles, the clothes stand and
// the bin, on "lumodata/stuff.png".
#include "tools/sprites/FramedSheet.h"

namespace SpriteArt {

class StuffSheet {
public:
    static FramedSheet build();
};

} // namespace SpriteArt
