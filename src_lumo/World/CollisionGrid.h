#pragma once
// The cells that keep the baker out of walls and furniture: 240 x 200 cells of 5 x 5 world units
// over x in [0, 1200) and z in [0, 1000), stored as "lumodata/worldc.txt".
#include <cstdint>
#include <string>
#include <vector>

namespace Lumo {

extern const char* const kCollisionGridFile; // "lumodata/worldc.txt"

class CollisionGrid {
public:
    static constexpr int kColumns = 240;
    static constexpr int kRows = 200;
    static constexpr int kCellSize = 5;

    CollisionGrid();

    // Cells the file does not reach stay as they were: call clear() first for a fresh grid.
    bool load(const std::string& fileName);
    bool save(const std::string& fileName) const;
    void clear();

    static bool inside(int column, int row) {
        return column >= 0 && column < kColumns && row >= 0 && row < kRows;
    }
    // Cells outside the grid block: nobody walks off the edge of the world.
    bool isBlocked(int column, int row) const { return !inside(column, row) || cell(column, row) != 0; }
    uint8_t cell(int column, int row) const { return cells[index(column, row)]; }
    void setCell(int column, int row, uint8_t value);

private:
    static int index(int column, int row) { return column * kRows + row; }

    std::vector<uint8_t> cells;
};

} // namespace Lumo
