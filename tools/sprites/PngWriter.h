#pragma once
// Writes RgbaImages as PNG files through Irrlicht's null driver, so the tool needs no window.
#include "tools/sprites/RgbaImage.h"

#include <string>

namespace irr { class IrrlichtDevice; }

namespace SpriteArt {

class PngWriter {
public:
    PngWriter();
    ~PngWriter();
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // Creates missing folders; false (with a message on stderr) when the file cannot be written.
    bool write(const RgbaImage& image, const std::string& path) const;

private:
    irr::IrrlichtDevice* mDevice;
};

} // namespace SpriteArt
