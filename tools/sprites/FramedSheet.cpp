#include "tools/sprites/FramedSheet.h"

namespace SpriteArt {

FramedSheet::FramedSheet(const std::string& definitionName, const std::string& bitmap, int width, int height,
                         Colour borderColour)
    : mImage(width, height)
{
    mDefinition.element = "gear";
    mDefinition.name = definitionName;
    mDefinition.bitmap = bitmap;
    mDefinition.frameSpeed = 200.0f; // still pictures; a positive value keeps nodes' timers sane
    mDefinition.thickness = 2.0f;
    mDefinition.borderColour = borderColour;
}

void FramedSheet::place(const std::string& frameName, const RgbaImage& picture, int x, int y)
{
    mImage.blit(picture, x, y);
    mDefinition.frames.push_back({frameName, x, y, x + picture.width(), y + picture.height(), picture.edgeColour()});
}

} // namespace SpriteArt
