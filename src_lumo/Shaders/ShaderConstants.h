#pragma once
// Values every shader callback hands to its program: colours as four floats, the current
// transforms, and the ambient colour the visual sets for the time of day.
#include <irrlicht.h>

namespace Lumo {

void setColorConstant(irr::video::IMaterialRendererServices* services, const char* name,
                      irr::video::SColor color);
void setWorldViewProjection(irr::video::IMaterialRendererServices* services);
// The ambient colour of the game data (white while there is none).
irr::video::SColor ambientColor();

} // namespace Lumo
