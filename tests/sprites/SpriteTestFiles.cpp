#include "sprites/SpriteTestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
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

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kornelo_sprites_XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temp folder");
    folder = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

void TempFolder::writeText(const std::string& name, const std::string& content) const
{
    std::ofstream(path(name), std::ios::binary) << content;
}

void TempFolder::writePng(irr::video::IVideoDriver* driver, const std::string& name,
                          const std::vector<std::string>& rows) const
{
    irr::video::IImage* image = drawImage(driver, rows);
    const bool written = driver->writeImageToFile(image, path(name).c_str());
    image->drop();
    if (!written)
        throw std::runtime_error("cannot write " + name);
}

} // namespace SpriteTestFiles
