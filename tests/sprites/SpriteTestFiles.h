#pragma once
// Small sprite sheets and definition files written by the tests themselves into a temp folder.
// Sheets are drawn as text: '.' transparent, '#' opaque, 'h' half transparent, one row a string.
#include <irrlicht.h>

#include <string>
#include <vector>

namespace SpriteTestFiles {

// Null driver image of the drawing (caller drops it). '#' pixels get distinct colours.
irr::video::IImage* drawImage(irr::video::IVideoDriver* driver, const std::vector<std::string>& rows);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return folder + "/" + name; }
    void writeText(const std::string& name, const std::string& content) const;
    void writePng(irr::video::IVideoDriver* driver, const std::string& name,
                  const std::vector<std::string>& rows) const;

private:
    std::string folder;
};

} // namespace SpriteTestFiles
