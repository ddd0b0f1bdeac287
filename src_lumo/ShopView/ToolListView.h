#pragma once
// Draws the tools for sale with their prices, the merchant's tools page and the bar alike. A tool
// already bought, or not yet offered, leaves its row empty.
#include "src_lumo/Game/WorldState.h"

namespace Lumo {

class ToolListView {
public:
    static void draw(int cursorRow, const WorldState& world);
};

} // namespace Lumo
