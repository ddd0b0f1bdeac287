#pragma once
// Reads the elements of one sprite definition file into a FileLoader. Keeps the running values
// (bitmap, rect, thickness, border colour) that carry over from one frame to the next, and the
// bitmaps it has opened, so that a sheet of fifty frames is decoded once.
#include <irrlicht.h>

#include <map>
#include <string>
#include <vector>

namespace Lumo {

class FileLoader;
class SpriteDefinition;

class SpriteFileReader {
public:
    SpriteFileReader(FileLoader& store, irr::IrrlichtDevice& device, irr::io::path baseDirectory);
    ~SpriteFileReader();
    SpriteFileReader(const SpriteFileReader&) = delete;
    SpriteFileReader& operator=(const SpriteFileReader&) = delete;

    void read(irr::io::IXMLReader& xml);

private:
    enum class Pending { None, FrameSpeed, Offset, Bitmap, Rect, Thickness, BorderColor, Fixpoint, Center };
    struct FixpointEntry {
        std::wstring name;
        int x = 0;
        int y = 0;
    };
    struct Bitmap {
        irr::video::IImage* image = nullptr;
        irr::video::ITexture* texture = nullptr;
    };

    void startElement(const std::wstring& element, irr::io::IXMLReader& xml);
    void endElement(const std::wstring& element);
    void takeText(const std::wstring& text);
    void finishFrame();
    void finishAnimation();
    // Null image when the bitmap cannot be read; reported once per path.
    const Bitmap& openBitmap(const irr::io::path& path);

    FileLoader& store;
    irr::IrrlichtDevice& device;
    const irr::io::path baseDirectory;

    SpriteDefinition* definition = nullptr;
    Pending pending = Pending::None;
    std::wstring frameName;
    std::wstring animationName;
    std::wstring pendingFixpointName;
    std::vector<FixpointEntry> fixpoints;
    std::vector<std::wstring> animationFrames;

    irr::io::path bitmapPath;
    irr::core::recti rect{0, 0, 0, 0};
    float thickness = 1.f;
    irr::video::SColor borderColor{0x00000000};

    std::map<irr::io::path, Bitmap> bitmaps;
};

} // namespace Lumo
