#include "src_lumo/World/CollisionGrid.h"

#include "src_lumo/World/SafeFileWriter.h"
#include "src_lumo/World/WorldMessages.h"

#include <algorithm>
#include <fstream>

namespace Lumo {

const char* const kCollisionGridFile = "lumodata/worldc.txt";

namespace {
constexpr uint8_t kBlockedByte = 1;
}

CollisionGrid::CollisionGrid() : cells(kColumns * kRows, 0) {}

void CollisionGrid::clear() { std::fill(cells.begin(), cells.end(), 0); }

void CollisionGrid::setCell(int column, int row, uint8_t value) {
    if (inside(column, row))
        cells[index(column, row)] = value;
}

bool CollisionGrid::load(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        reportWorldError(L"Could not open the collision file %p", fileName);
        return false;
    }
    // Lines past the last row and bytes past the last column do not fit the grid and are dropped.
    std::string line;
    for (int row = 0; row < kRows && std::getline(in, line); ++row) {
        const int columns = std::min<int>(kColumns, static_cast<int>(line.size()));
        for (int column = 0; column < columns; ++column)
            cells[index(column, row)] = static_cast<uint8_t>(line[column]);
    }
    return true;
}

bool CollisionGrid::save(const std::string& fileName) const {
    SafeFileWriter writer(fileName);
    std::ostream& out = writer.stream();
    std::string line(kColumns, '\0');
    for (int row = 0; row < kRows; ++row) {
        // Any non-zero value blocks; writing it as 1 keeps a stray line-break byte out of the file.
        for (int column = 0; column < kColumns; ++column)
            line[column] = static_cast<char>(cell(column, row) != 0 ? kBlockedByte : 0);
        out << line << '\n';
    }
    if (!writer.commit()) {
        reportWorldError(L"Could not write the collision file %p", fileName);
        return false;
    }
    return true;
}

} // namespace Lumo
