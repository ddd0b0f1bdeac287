// The collision grid "lumodata/worldc.txt": one line of cell bytes per row.
#include "ScratchFolder.h"
#include "src_lumo/World/CollisionGrid.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Lumo::CollisionGrid grid;
    if (!grid.load(ScratchFolder::write("worldc.txt", data, size)))
        std::abort();
    // Saved and read back, a grid keeps which cells block.
    const std::string copy = (ScratchFolder::path() / "worldc_copy.txt").string();
    Lumo::CollisionGrid again;
    if (!grid.save(copy) || !again.load(copy))
        std::abort();
    for (int column = -1; column <= Lumo::CollisionGrid::kColumns; ++column)
        for (int row = -1; row <= Lumo::CollisionGrid::kRows; ++row)
            if (grid.isBlocked(column, row) != again.isBlocked(column, row))
                std::abort();
    return 0;
}
