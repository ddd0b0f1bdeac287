#pragma once
// The fourteen people of the bakery, in the order start-up loads their definitions.
#include "tools/sprites/CharacterLook.h"

#include <vector>

namespace SpriteArt {

class CharacterCatalogue {
public:
    static std::vector<CharacterLook> all();
};

} // namespace SpriteArt
