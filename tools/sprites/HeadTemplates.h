#pragma once
// The hand-drawn heads: face, hair styles, hats and beards for the three drawn views
// (the right view is the left one mirrored). Every map is 12 columns wide; column 0 lies
// two pixels left of the head and row 0 four rows above its top.
#include "tools/sprites/CharacterLook.h"
#include "tools/sprites/PixelTemplate.h"

namespace SpriteArt {

enum class HeadView { Front, Back, Side };

class HeadTemplates {
public:
    static constexpr int kColumnsLeftOfHead = 2;
    static constexpr int kRowsAboveHead = 4;

    static const PixelTemplate& face(HeadView view);
    static const PixelTemplate& hair(HairStyle style, HeadView view);
    static const PixelTemplate& hat(HatStyle style, HeadView view);
    static const PixelTemplate& facialHair(FacialHair style, HeadView view);
};

} // namespace SpriteArt
