#include "tools/sprites/PngWriter.h"

#include <irrlicht.h>

#include <filesystem>
#include <iostream>

namespace SpriteArt {

PngWriter::PngWriter() : mDevice(irr::createDevice(irr::video::EDT_NULL)) {}

PngWriter::~PngWriter()
{
    if (mDevice)
        mDevice->drop();
}

bool PngWriter::write(const RgbaImage& image, const std::string& path) const
{
    if (!mDevice) {
        std::cerr << "no Irrlicht null device for writing " << path << "\n";
        return false;
    }
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty())
        std::filesystem::create_directories(parent);

    irr::video::IVideoDriver* driver = mDevice->getVideoDriver();
    irr::video::IImage* out = driver->createImage(
        irr::video::ECF_A8R8G8B8,
        irr::core::dimension2d<irr::u32>(static_cast<irr::u32>(image.width()), static_cast<irr::u32>(image.height())));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out->setPixel(static_cast<irr::u32>(x), static_cast<irr::u32>(y), irr::video::SColor(image.at(x, y)));
    const bool written = driver->writeImageToFile(out, path.c_str());
    out->drop();
    if (!written)
        std::cerr << "could not write " << path << "\n";
    return written;
}

} // namespace SpriteArt
