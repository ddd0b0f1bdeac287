#pragma once
// Small sprite sheets drawn as text: '.' transparent, '#' opaque, 'h' half transparent, one string
// a row. Opaque pixels get varied colours. The caller drops the image.
#include <irrlicht.h>

#include <string>
#include <vector>

inline irr::video::IImage* drawSheet(irr::video::IVideoDriver* driver, const std::vector<std::string>& rows)
{
    const irr::u32 height = static_cast<irr::u32>(rows.size());
    const irr::u32 width = height ? static_cast<irr::u32>(rows[0].size()) : 0;
    irr::video::IImage* image = driver->createImage(irr::video::ECF_A8R8G8B8, {width, height});
    for (irr::u32 y = 0; y < height; ++y)
        for (irr::u32 x = 0; x < width; ++x) {
            const irr::u32 alpha = rows[y][x] == '#' ? 255 : rows[y][x] == 'h' ? 128 : 0;
            image->setPixel(x, y, irr::video::SColor(alpha, 40 + x * 7 % 200, 30 + y * 11 % 200, 90));
        }
    return image;
}
