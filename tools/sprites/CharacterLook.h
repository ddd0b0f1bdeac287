#pragma once
// Everything that tells one person from another: build, hair, hat, clothes and palette.
// The painter composes every pose from these parts, so all fourteen people share one anatomy.
#include "tools/sprites/Colour.h"

#include <string>

namespace SpriteArt {

enum class Build { Adult, Broad, Child };
enum class HairStyle { Bun, Short, Messy, Long, Ponytail, Pigtails, Bald };
enum class HatStyle { None, Cap, FlatCap, Brimmed, PeakedCap };
enum class FacialHair { None, Moustache, Beard };
enum class Outfit { Shirt, Dress, Coat, Uniform, Vest };

struct CharacterLook {
    std::string name;
    Build build = Build::Adult;
    HairStyle hair = HairStyle::Short;
    HatStyle hat = HatStyle::None;
    FacialHair facialHair = FacialHair::None;
    Outfit outfit = Outfit::Shirt;
    bool apron = false;
    bool shawl = false;
    bool bag = false;   // satchel on a strap across the chest
    bool pack = false;  // bundle on the back

    Colour skin = rgb(240, 196, 160);
    Colour hairColour = rgb(90, 60, 40);
    Colour top = rgb(120, 120, 160);    // shirt, dress bodice, coat or uniform jacket
    Colour bottom = rgb(70, 70, 90);    // trousers or skirt
    Colour legs = rgb(70, 70, 90);      // what shows below a skirt
    Colour shoes = rgb(60, 40, 30);
    Colour apronColour = rgb(244, 238, 222);
    Colour hatColour = rgb(60, 60, 60);
    Colour accent = rgb(200, 170, 60);  // buttons, hat band, badge, bag, vest, shawl
    Colour outline = rgb(40, 28, 28);   // drawn around the body and used for the side walls
};

} // namespace SpriteArt
