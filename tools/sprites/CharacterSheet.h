#pragma once
// Lays out every pose a person needs on one sheet and names the frames and animations the
// game asks for. All people share the same names, so a definition can replace another on a
// node and keep its current frame.
#include "tools/sprites/CharacterLook.h"
#include "tools/sprites/CharacterPose.h"
#include "tools/sprites/DefinitionDraft.h"
#include "tools/sprites/RgbaImage.h"

#include <string>
#include <vector>

namespace SpriteArt {

class CharacterSheet {
public:
    static constexpr int kSheetWidth = 256;
    static constexpr int kSheetHeight = 512;
    static constexpr int kWalkFrames = 4;
    static constexpr int kKneadFrames = 4;
    static constexpr float kFrameSpeed = 125.0f;

    explicit CharacterSheet(const CharacterLook& look);

    const RgbaImage& image() const { return mImage; }
    // The definition for "lumodata/2d/def_<name>.xml"; its bitmap is "<name>.png" beside it.
    const DefinitionDraft& definition() const { return mDefinition; }
    // The cell of a named frame, for previews.
    RgbaImage frame(const std::string& name) const;

private:
    void addFrame(const std::string& name, int column, int row, const CharacterPose& pose);
    void addAnimation(const std::string& name, std::vector<std::string> frames);

    const CharacterLook& mLook;
    RgbaImage mImage;
    DefinitionDraft mDefinition;
};

} // namespace SpriteArt
