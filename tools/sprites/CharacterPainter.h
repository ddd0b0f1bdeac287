#pragma once
// Paints one pose of a person into a 24 x 32 cell: feet on the bottom row, body centred on
// the cell's middle (the frame mesh stands on its bottom edge, centred horizontally).
#include "tools/sprites/CharacterLook.h"
#include "tools/sprites/CharacterPose.h"
#include "tools/sprites/RgbaImage.h"

namespace SpriteArt {

class CharacterPainter {
public:
    static constexpr int kCellWidth = 24;
    static constexpr int kCellHeight = 32;

    explicit CharacterPainter(const CharacterLook& look);

    RgbaImage paint(const CharacterPose& pose) const;

private:
    struct Body {
        int headTop, torsoTop, torsoHeight, legTop, torsoHalf, legWidth, armLength;
    };
    struct Offsets {
        int upper = 0;  // vertical shift of everything above the hips
        int headX = 0;  // forward lean of the head
    };

    void paintFrontOrBack(RgbaImage& cell, const CharacterPose& pose, bool back) const;
    void paintSide(RgbaImage& cell, const CharacterPose& pose) const;

    void paintFrontLegs(RgbaImage& cell, const CharacterPose& pose) const;
    void paintSideLeg(RgbaImage& cell, int footShift, int lift, bool near) const;
    void paintFrontTorso(RgbaImage& cell, int dy, bool back) const;
    void paintSideTorso(RgbaImage& cell, int dy) const;
    void paintHead(RgbaImage& cell, int view, const Offsets& offsets, bool blink) const;
    void paintArm(RgbaImage& cell, int sx, int sy, int hx, int hy, bool far) const;

    Offsets offsetsFor(const CharacterPose& pose) const;
    Colour sleeveColour() const;
    bool wearsSkirt() const;
    int skirtBottom() const;

    const CharacterLook& mLook;
    const Body mBody;
};

} // namespace SpriteArt
