#include "PixelCanvas.h"

#include <vector>

PixelCanvas::PixelCanvas(irr::video::IVideoDriver* driver, irr::u32 width, irr::u32 height,
                         irr::video::SColor background)
    : image(driver->createImage(irr::video::ECF_A8R8G8B8, irr::core::dimension2du(width, height))) {
    image->fill(background);
}

PixelCanvas::~PixelCanvas() { image->drop(); }

void PixelCanvas::set(int x, int y, irr::video::SColor colour) {
    if (x >= 0 && y >= 0 && x < width() && y < height())
        image->setPixel(static_cast<irr::u32>(x), static_cast<irr::u32>(y), colour);
}

irr::video::SColor PixelCanvas::get(int x, int y) const {
    return image->getPixel(static_cast<irr::u32>(x), static_cast<irr::u32>(y));
}

void PixelCanvas::fill(int x0, int y0, int x1, int y1, irr::video::SColor colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            set(x, y, colour);
}

void PixelCanvas::frame(int x0, int y0, int x1, int y1, int thickness, irr::video::SColor colour) {
    fill(x0, y0, x1, y0 + thickness, colour);
    fill(x0, y1 - thickness, x1, y1, colour);
    fill(x0, y0, x0 + thickness, y1, colour);
    fill(x1 - thickness, y0, x1, y1, colour);
}

void PixelCanvas::roundCorners(int x0, int y0, int x1, int y1, int radius, irr::video::SColor colour) {
    // Pixels cut from each corner, row by row from the edge.
    static const int cuts[4][3] = {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {3, 1, 1}};
    for (int row = 0; row < radius; ++row) {
        const int cut = cuts[radius][row];
        for (int i = 0; i < cut; ++i) {
            set(x0 + i, y0 + row, colour);
            set(x1 - 1 - i, y0 + row, colour);
            set(x0 + i, y1 - 1 - row, colour);
            set(x1 - 1 - i, y1 - 1 - row, colour);
        }
    }
}

void PixelCanvas::glyph(const char* const rows[8], int x, int y, int scale, irr::video::SColor colour) {
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 5; ++column)
            if (rows[row][column] == '#')
                fill(x + column * scale, y + row * scale, x + (column + 1) * scale, y + (row + 1) * scale, colour);
}

std::vector<std::pair<int, int>> PixelCanvas::pixelsOf(int x0, int y0, int x1, int y1, irr::video::SColor colour) const {
    std::vector<std::pair<int, int>> found;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (get(x, y) == colour)
                found.emplace_back(x, y);
    return found;
}

void PixelCanvas::shadow(int x0, int y0, int x1, int y1, irr::video::SColor colour, irr::video::SColor shade,
                         int distance) {
    for (const auto& [x, y] : pixelsOf(x0, y0, x1, y1, colour))
        for (int d = 1; d <= distance; ++d)
            if (x + d < x1 && y + d < y1 && get(x + d, y + d) != colour)
                set(x + d, y + d, shade);
}

void PixelCanvas::outline(int x0, int y0, int x1, int y1, irr::video::SColor colour, irr::video::SColor shade,
                          int width) {
    for (const auto& [x, y] : pixelsOf(x0, y0, x1, y1, colour))
        for (int dy = -width; dy <= width; ++dy)
            for (int dx = -width; dx <= width; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px >= x0 && py >= y0 && px < x1 && py < y1 && get(px, py) != colour)
                    set(px, py, shade);
            }
}

bool PixelCanvas::write(irr::video::IVideoDriver* driver, const irr::io::path& file) const {
    return driver->writeImageToFile(image, file);
}
