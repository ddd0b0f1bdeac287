// The path graph and the collision grid on disk: reading what is there, skipping what is damaged,
// and saving without losing the old file.
#include "TempDir.h"

#include "src_lumo/World/CollisionGrid.h"
#include "src_lumo/World/PathFinder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using Lumo::CollisionGrid;
using Lumo::PathFinder;

class WorldFiles : public ::testing::Test {
protected:
    PathFinder loadGraph(const std::string& content) {
        files.write("graph.txt", content);
        PathFinder loaded;
        EXPECT_TRUE(loaded.loadGraph(files.file("graph.txt")));
        return loaded;
    }
    TempDir files;
    CollisionGrid grid;
};

TEST_F(WorldFiles, NodeLinesGiveIdNameAndPositionOnTheGround) {
    PathFinder graph = loadGraph("nodes\n0,815.5,-545.25,sh_2\n1,3,4,park\n2,5,6,park\nconnections\n");
    ASSERT_EQ(3u, graph.getNodes().size());
    EXPECT_EQ(0, graph.getNodes()[0]->id);
    EXPECT_EQ("sh_2", graph.getNodes()[0]->name);
    EXPECT_EQ(irr::core::vector3df(815.5f, 0.0f, -545.25f), graph.getNodes()[0]->position);
    EXPECT_EQ(3, graph.getNextId());
    EXPECT_EQ(1, graph.findNode("park")->id) << "the first in file order";
    EXPECT_FLOAT_EQ(3.0f, graph.nodePosition("park").X);
    EXPECT_EQ(irr::core::vector3df(0, 0, 0), graph.nodePosition("Park"));
    graph = loadGraph("nodes\n0,1,2,a\n17,0,0,d\n1,3,4,b\n");
    EXPECT_EQ(17, graph.findNode("d")->id) << "ids are decimal";
    EXPECT_EQ(18, graph.getNextId());
}

TEST_F(WorldFiles, EdgesNeedBothEndsReadAndAreKeptOnce) {
    PathFinder graph = loadGraph("nodes\n0,0,0,a\n0,1\n1,10,0,b\n0,1\n");
    ASSERT_EQ(1u, graph.getConnections().size()) << "a connection to a later line is ignored";
    EXPECT_EQ(1u, graph.findNode(0)->connections.size());
    graph = loadGraph("nodes\n0,0,0,a\n1,10,0,b\nconnections\n0,1\n1,0\n0,1\n");
    EXPECT_EQ(1u, graph.getConnections().size());
    EXPECT_EQ(1u, graph.findNode(1)->connections.size());
    EXPECT_FLOAT_EQ(10.0f, graph.getConnections()[0]->length);
}

TEST_F(WorldFiles, MalformedGraphLinesAreIgnored) {
    const PathFinder graph = loadGraph("nodes\n0,1,2,with,comma\nx,1,2,bad_id\n5a,1,2,letter_in_id\n"
                                       "1,abc,2,bad_x\n2,1,2z,bad_z\n3,,2,empty_x\n"
                                       "2147483648,1,2,past_32_bits\n-2147483649,1,2,below_32_bits\n"
                                       "4,1,2,ok\r\n\n,\nconnections\n4,q\n4\n");
    ASSERT_EQ(1u, graph.getNodes().size());
    EXPECT_EQ("ok", graph.getNodes()[0]->name);
    EXPECT_EQ(5, graph.getNextId());
    EXPECT_TRUE(graph.getConnections().empty());
}

TEST_F(WorldFiles, MissingFilesLeaveGraphAndGridAsTheyWere) {
    PathFinder graph = loadGraph("nodes\n0,0,0,a\n");
    EXPECT_FALSE(graph.loadGraph(files.file("nothing_here.txt")));
    EXPECT_EQ(1u, graph.getNodes().size());
    grid.setCell(4, 4, 1);
    EXPECT_FALSE(grid.load(files.file("missing.txt")));
    EXPECT_TRUE(grid.isBlocked(4, 4));
    EXPECT_FALSE(grid.isBlocked(4, 5));
}

TEST_F(WorldFiles, SavedGraphReadsBackTheSame) {
    PathFinder original;
    original.addNode({815.f, 0.f, 545.f}, "sh_2", 0);
    original.addNode({0.125f, 0.f, 1e7f}, "far", 5);
    original.addNode({-3.5f, 0.f, 2.f}, "un", 2);
    original.connect(5, 0);
    original.connect(2, 5);
    const std::string text = "nodes\n0,815,545,sh_2\n5,0.125,1e+07,far\n2,-3.5,2,un\nconnections\n5,0\n2,5\n";
    ASSERT_TRUE(original.saveGraph(files.file("saved.txt")));
    EXPECT_EQ(text, files.read("saved.txt"));
    EXPECT_FALSE(std::filesystem::exists(files.file("saved.txt.tmp")));
    const PathFinder copy = loadGraph(text);
    ASSERT_TRUE(copy.saveGraph(files.file("again.txt")));
    EXPECT_EQ(text, files.read("again.txt"));
    EXPECT_EQ(original.getNextId(), copy.getNextId());
}

TEST_F(WorldFiles, FailedSavesKeepTheOldFiles) {
    // A folder where the temporary file should go makes the write fail before the rename.
    for (const char* name : {"graph.txt", "grid.txt"}) {
        files.write(name, "old");
        std::filesystem::create_directory(files.file(name + std::string(".tmp")));
    }
    PathFinder graph;
    graph.addNode({2.f, 0.f, 2.f}, "new", 0);
    EXPECT_FALSE(graph.saveGraph(files.file("graph.txt")));
    EXPECT_FALSE(grid.save(files.file("grid.txt")));
    EXPECT_EQ("old", files.read("graph.txt"));
    EXPECT_EQ("old", files.read("grid.txt"));
}

TEST_F(WorldFiles, GridStartsFreeAndBlocksOutside) {
    EXPECT_FALSE(grid.isBlocked(0, 0));
    EXPECT_FALSE(grid.isBlocked(239, 199));
    EXPECT_TRUE(grid.isBlocked(-1, 0));
    EXPECT_TRUE(grid.isBlocked(240, 0));
    EXPECT_TRUE(grid.isBlocked(0, 200));
    EXPECT_TRUE(grid.isBlocked(5, -1));
}

TEST_F(WorldFiles, SavedGridIsOneLinePerRowAndEveryBlockedCellReadsBackAsBlocked) {
    std::mt19937 random(7);
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        for (int r = 0; r < CollisionGrid::kRows; ++r)
            grid.setCell(c, r, random() % 5 == 0 ? 1 : 0);
    grid.setCell(0, 0, '\n');
    grid.setCell(1, 0, 200);
    grid.setCell(2, 0, 0);
    grid.setCell(239, 199, 1);
    ASSERT_TRUE(grid.save(files.file("grid.txt")));
    const std::string text = files.read("grid.txt");
    ASSERT_EQ(200u * 241u, text.size());
    EXPECT_EQ(std::string("\1\1\0", 3), text.substr(0, 3));
    EXPECT_EQ('\n', text[240]);
    EXPECT_EQ('\1', text[199 * 241 + 239]);
    EXPECT_FALSE(std::filesystem::exists(files.file("grid.txt.tmp")));
    CollisionGrid copy;
    ASSERT_TRUE(copy.load(files.file("grid.txt")));
    for (int c = 0; c < CollisionGrid::kColumns; ++c)
        for (int r = 0; r < CollisionGrid::kRows; ++r)
            ASSERT_EQ(grid.cell(c, r) != 0 ? 1 : 0, copy.cell(c, r)) << c << "," << r;
}

TEST_F(WorldFiles, GridFilesOfAnyShapeAreReadLineByLineKeepingTheBytes) {
    files.write("short.txt", std::string("\1\0\1\n\0\0\1", 7));
    ASSERT_TRUE(grid.load(files.file("short.txt")));
    EXPECT_EQ(std::vector<int>({1, 0, 1, 0}), std::vector<int>({grid.cell(0, 0), grid.cell(1, 0), grid.cell(2, 0),
                                                                grid.cell(3, 0)}));
    EXPECT_EQ(1, grid.cell(2, 1));
    EXPECT_EQ(0, grid.cell(0, 2));

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
