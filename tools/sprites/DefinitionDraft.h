#pragma once
// The content of one sprite definition (one `character` or `gear` element) before it is written
// as XML: the sheet it cuts from, the frame rectangles and the animations.
#include "tools/sprites/Colour.h"

#include <string>
#include <vector>

namespace SpriteArt {

struct FrameRect {
    std::string name;
    int x1, y1, x2, y2; // x2, y2 exclusive, as the definition files give them
    Colour borderColour = kTransparent; // transparent: keep the running colour
};

struct AnimationList {
    std::string name;
    std::vector<std::string> frames;
};

struct DefinitionDraft {
    std::string element = "character"; // or "gear"
    std::string name;
    std::string bitmap; // relative to the definition file's folder
    float frameSpeed = 120.0f;
    float offset = 0.0f;
    float thickness = 2.0f;
    Colour borderColour = kTransparent;
    std::vector<FrameRect> frames;
    std::vector<AnimationList> animations;

    std::string toXml() const;
};

} // namespace SpriteArt
