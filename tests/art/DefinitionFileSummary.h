#pragma once
// What a sprite definition file declares, read with Irrlicht's XML reader the way the game
// reads it (running bitmap and border colour, `rect` only inside a named frame), so the
// shipped art can be checked without building meshes.
#include <irrlicht.h>

#include <map>
#include <string>
#include <vector>

struct SummaryRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct SummaryFrame {
    std::string bitmap;
    SummaryRect rect;
    bool hasBorderColour = false;
};

class DefinitionFileSummary {
public:
    // An empty summary (no definitions) when the file cannot be opened.
    DefinitionFileSummary(irr::io::IFileSystem& fileSystem, const std::string& path);

    bool opened() const { return mOpened; }
    const std::vector<std::string>& definitionNames() const { return mDefinitionNames; }
    float frameSpeed() const { return mFrameSpeed; }
    const std::map<std::string, SummaryFrame>& frames() const { return mFrames; }
    const std::map<std::string, std::vector<std::string>>& animations() const { return mAnimations; }

    bool hasFrame(const std::string& name) const { return mFrames.count(name) != 0; }
    // The frames an animation lists, or null when the file has no animation of that name.
    const std::vector<std::string>* animation(const std::string& name) const;

private:
    bool mOpened = false;
    std::vector<std::string> mDefinitionNames;
    float mFrameSpeed = 0.0f;
    std::map<std::string, SummaryFrame> mFrames;
    std::map<std::string, std::vector<std::string>> mAnimations;
};
