#include "TempDir.h"

#include "src_lumo/World/CollisionGrid.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using Lumo::CollisionGrid;

class CollisionGridFile : public ::testing::Test {
protected:
    TempDir files;
    CollisionGrid grid;
};

TEST_F(CollisionGridFile, StartsFreeAndBlocksOutside) {
    EXPECT_FALSE(grid.isBlocked(0, 0));
    EXPECT_FALSE(grid.isBlocked(239, 199));
    EXPECT_TRUE(grid.isBlocked(-1, 0));
    EXPECT_TRUE(grid.isBlocked(240, 0));
    EXPECT_TRUE(grid.isBlocked(0, 200));
    EXPECT_TRUE(grid.isBlocked(5, -1));
}

TEST_F(CollisionGridFile, SavedFileHasOneLinePerRowOfRawBytes) {
    grid.setCell(3, 0, 1);
    grid.setCell(239, 199, 1);
    ASSERT_TRUE(grid.save(files.file("grid.txt")));
    const std::string text = files.read("grid.txt");
    ASSERT_EQ(200u * 241u, text.size());
    EXPECT_EQ('\1', text[3]);
    EXPECT_EQ('\0', text[4]);
    EXPECT_EQ('\n', text[240]);
    EXPECT_EQ('\1', text[199 * 241 + 239]);
    EXPECT_FALSE(std::filesystem::exists(files.file("grid.txt.tmp")));
}

TEST_F(CollisionGridFile, RoundTripKeepsEveryCell) {
    std::mt19937 random(7);
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        for (int r = 0; r < CollisionGrid::kRows; ++r)
            grid.setCell(c, r, random() % 5 == 0 ? 1 : 0);
    ASSERT_TRUE(grid.save(files.file("grid.txt")));
    CollisionGrid copy;
    ASSERT_TRUE(copy.load(files.file("grid.txt")));
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        for (int r = 0; r < CollisionGrid::kRows; ++r)
            ASSERT_EQ(grid.cell(c, r), copy.cell(c, r)) << c << "," << r;
}

TEST_F(CollisionGridFile, NonZeroValuesAreSavedAsBlocked) {
    grid.setCell(0, 0, '\n');
    grid.setCell(1, 0, 200);
    ASSERT_TRUE(grid.save(files.file("grid.txt")));
    CollisionGrid copy;
    ASSERT_TRUE(copy.load(files.file("grid.txt")));
    EXPECT_TRUE(copy.isBlocked(0, 0));
    EXPECT_TRUE(copy.isBlocked(1, 0));
    EXPECT_FALSE(copy.isBlocked(0, 1)); // the rows did not shift
}

TEST_F(CollisionGridFile, ExcessBytesAndLinesAreIgnored) {
    std::string text;
    for (int r = 0; r < 260; ++r) {
        std::string line(300, '\0');
        line[r % 300] = 1;
        line[239] = 2;
        text += line + "\n";
    }
    files.write("big.txt", text);
    ASSERT_TRUE(grid.load(files.file("big.txt")));
    for (int r = 0; r < CollisionGrid::kRows; ++r) {
        EXPECT_EQ(2, grid.cell(239, r));
        if (r < 239)
            EXPECT_EQ(1, grid.cell(r, r));
    }
    EXPECT_EQ(0, grid.cell(5, 0));
}

TEST_F(CollisionGridFile, ShortOrTruncatedFileLeavesTheRestFree) {
    files.write("short.txt", std::string("\1\0\1\n\0\0\1", 7));
    ASSERT_TRUE(grid.load(files.file("short.txt")));
    EXPECT_EQ(1, grid.cell(0, 0));
    EXPECT_EQ(0, grid.cell(1, 0));
    EXPECT_EQ(1, grid.cell(2, 0));
    EXPECT_EQ(1, grid.cell(2, 1));
    EXPECT_EQ(0, grid.cell(3, 0));
    EXPECT_EQ(0, grid.cell(0, 2));
}

TEST_F(CollisionGridFile, GarbageIsReadLineByLineWithoutOverrun) {
    std::mt19937 random(99);
    std::string garbage;
    for (int i = 0; i < 120000; ++i)
        garbage += static_cast<char>(random() % 256);
    files.write("garbage.txt", garbage);
    ASSERT_TRUE(grid.load(files.file("garbage.txt")));
    const std::string firstLine = garbage.substr(0, garbage.find('\n'));
    for (size_t c = 0; c < std::min<size_t>(240, firstLine.size()); ++c)
        EXPECT_EQ(static_cast<uint8_t>(firstLine[c]), grid.cell(static_cast<int>(c), 0));
}

TEST_F(CollisionGridFile, MissingFileLeavesTheGridAsItWas) {
    grid.setCell(4, 4, 1);
    EXPECT_FALSE(grid.load(files.file("missing.txt")));
    EXPECT_TRUE(grid.isBlocked(4, 4));
    EXPECT_FALSE(grid.isBlocked(4, 5));
}

TEST_F(CollisionGridFile, FailedSaveKeepsTheOldFile) {
    files.write("keep.txt", "old");
    std::filesystem::create_directory(files.file("keep.txt.tmp"));
    EXPECT_FALSE(grid.save(files.file("keep.txt")));
    EXPECT_EQ("old", files.read("keep.txt"));
}
