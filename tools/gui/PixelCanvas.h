#pragma once
// A drawing surface over an Irrlicht image for authoring pixel art: rectangles, frames, rounded
// corners and 5 x 8 glyphs at any whole scale.
#include <irrlicht.h>

#include <utility>
#include <vector>

class PixelCanvas {
public:
    PixelCanvas(irr::video::IVideoDriver* driver, irr::u32 width, irr::u32 height, irr::video::SColor background);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    void set(int x, int y, irr::video::SColor colour);
    irr::video::SColor get(int x, int y) const;
    void fill(int x0, int y0, int x1, int y1, irr::video::SColor colour);
    // A border of the given thickness inside the rectangle.
    void frame(int x0, int y0, int x1, int y1, int thickness, irr::video::SColor colour);
    // Clears the corner pixels of a rectangle to the colour, radius 1-3.
    void roundCorners(int x0, int y0, int x1, int y1, int radius, irr::video::SColor colour);
    // A glyph pattern (8 rows of 5 characters, '#' set) with its top-left at (x, y).
    void glyph(const char* const rows[8], int x, int y, int scale, irr::video::SColor colour);
    // Each set pixel of `colour` inside the rectangle gets `shade` on its empty right and lower side.
    void shadow(int x0, int y0, int x1, int y1, irr::video::SColor colour, irr::video::SColor shade, int distance);
    // A ring of `shade` around every pixel of `colour` inside the rectangle.
    void outline(int x0, int y0, int x1, int y1, irr::video::SColor colour, irr::video::SColor shade, int width);

    bool write(irr::video::IVideoDriver* driver, const irr::io::path& file) const;
    int width() const { return static_cast<int>(image->getDimension().Width); }
    int height() const { return static_cast<int>(image->getDimension().Height); }

private:
    // Taken before drawing around them, so the new pixels do not spread further.
    std::vector<std::pair<int, int>> pixelsOf(int x0, int y0, int x1, int y1, irr::video::SColor colour) const;
    irr::video::IImage* image;
};
