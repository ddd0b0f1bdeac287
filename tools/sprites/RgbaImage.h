#pragma once
// A plain pixel buffer the painters draw into; sheets, cells and previews are all RgbaImages.
#include "tools/sprites/Colour.h"

#include <vector>

namespace SpriteArt {

class RgbaImage {
public:
    RgbaImage(int width, int height, Colour fill = kTransparent);

    int width() const { return mWidth; }
    int height() const { return mHeight; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < mWidth && y < mHeight; }

    // Reading outside the image gives transparent; writing outside is ignored, so
    // painters may draw shapes that stick out of their cell.
    Colour at(int x, int y) const;
    void set(int x, int y, Colour c);
    void fillRect(int x, int y, int w, int h, Colour c);
    void fillEllipse(float cx, float cy, float rx, float ry, Colour c);

    // Copies every pixel with alpha != 0 of source to (x, y) and onwards.
    void blit(const RgbaImage& source, int x, int y);
    // Alpha-blends source over this image (used for previews only).
    void blend(const RgbaImage& source, int x, int y);

    RgbaImage mirrored() const;
    RgbaImage scaled(int factor) const;

    // Every transparent pixel with an opaque 4-neighbour becomes `colour`.
    void outline(Colour colour);
    // Replaces every pixel of colour `from` by `to`.
    void recolour(Colour from, Colour to);

    // The most frequent colour among opaque pixels that touch transparency: the outline of an
    // outlined picture, which is also the right colour for its extruded side walls.
    Colour edgeColour() const;
    const std::vector<Colour>& pixels() const { return mPixels; }

private:
    int mWidth;
    int mHeight;
    std::vector<Colour> mPixels;
};

} // namespace SpriteArt
