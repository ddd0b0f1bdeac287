#pragma once
// Small sprite sheets drawn as text by the tests: '.' transparent, '#' opaque, 'h' half
// transparent, one string a row.
#include <irrlicht.h>

#include <string>
#include <vector>

namespace SpriteTestFiles {

// Null driver image of the drawing (caller drops it). Opaque pixels get varied colours.
irr::video::IImage* drawImage(irr::video::IVideoDriver* driver, const std::vector<std::string>& rows);
void writePng(irr::video::IVideoDriver* driver, const std::string& path, const std::vector<std::string>& rows);

} // namespace SpriteTestFiles
