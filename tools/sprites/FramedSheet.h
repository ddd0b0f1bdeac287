#pragma once
// A sheet of still pictures, each one a named frame at a fixed place: the item and shelf
// sheets are built with it.
#include "tools/sprites/DefinitionDraft.h"
#include "tools/sprites/RgbaImage.h"

#include <string>

namespace SpriteArt {

class FramedSheet {
public:
    FramedSheet(const std::string& definitionName, const std::string& bitmap, int width, int height,
                Colour borderColour);

    // Puts the picture with its top-left corner at (x, y); the frame covers the whole picture
    // and its side walls take the picture's outline colour.
    void place(const std::string& frameName, const RgbaImage& picture, int x, int y);

    const RgbaImage& image() const { return mImage; }
    const DefinitionDraft& definition() const { return mDefinition; }

private:
    RgbaImage mImage;
    DefinitionDraft mDefinition;
};

} // namespace SpriteArt
