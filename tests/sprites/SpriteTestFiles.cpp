#include "sprites/SpriteTestFiles.h"

#include <stdexcept>

namespace SpriteTestFiles {

irr::video::IImage* drawImage(irr::video::IVideoDriver* driver, const std::vector<std::string>& rows)
{
    const irr::u32 height = static_cast<irr::u32>(rows.size());
    const irr::u32 width = height ? static_cast<irr::u32>(rows[0].size()) : 0;
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, {width, height});
    for (irr::u32 y = 0; y < height; ++y) {
        for (irr::u32 x = 0; x < width; ++x) {
            const char c = rows[y][x];
            const irr::u32 alpha = c == '#' ? 255 : c == 'h' ? 128 : 0;
            image->setPixel(x, y, irr::video::SColor(alpha, 40 + x * 7 % 200, 30 + y * 11 % 200, 90));
        }
    }
    return image;
}

void writePng(irr::video::IVideoDriver* driver, const std::string& path, const std::vector<std::string>& rows)
{
    irr::video::IImage* image = drawImage(driver, rows);
    const bool written = driver->writeImageToFile(image, path.c_str());
    image->drop();
    if (!written)
        throw std::runtime_error("cannot write " + path);
}

} // namespace SpriteTestFiles
