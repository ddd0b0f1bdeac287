#pragma once
// The goods that fall behind the title menu: frames of the "items" sprite sheet.
#include "src_lumo/Menus/GameMenue.h"

namespace Lumo {

class FileLoader;

FallingGoodFactory titleGoodsFactory(const FileLoader& sprites);

} // namespace Lumo
