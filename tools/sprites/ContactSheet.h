#pragma once
// A preview for people to look at: rows of frames on a checker-free neutral ground, scaled up.
#include "tools/sprites/RgbaImage.h"

#include <vector>

namespace SpriteArt {

class ContactSheet {
public:
    ContactSheet(int columns, int cellWidth, int cellHeight, Colour background);

    // Starts a new row unless the current one is empty.
    void newRow();
    void add(const RgbaImage& picture);
    // Adds a picture that spans a whole row (an item sheet, for instance).
    void addWide(const RgbaImage& picture);

    RgbaImage render(int scale) const;

private:
    struct Placed {
        RgbaImage picture;
        int x, y;
    };
    int mColumns, mCellWidth, mCellHeight;
    Colour mBackground;
    std::vector<Placed> mPlaced;
    int mColumn = 0;
    int mRowTop = 0;
    int mRowHeight = 0;
};

} // namespace SpriteArt
