#include "TempDir.h"

#include "src_lumo/World/PathFinder.h"

#include <gtest/gtest.h>

#include <filesystem>

using Lumo::PathFinder;

class PathGraphFile : public ::testing::Test {
protected:
    PathFinder load(const std::string& content) {
        files.write("graph.txt", content);
        PathFinder graph;
        EXPECT_TRUE(graph.loadGraph(files.file("graph.txt")));
        return graph;
    }
    TempDir files;
};

TEST_F(PathGraphFile, NextIdFollowsTheHighestIdRead) {
    PathFinder graph = load("nodes\n0,1,2,a\n1,3,4,b\n2,5,6,c\nconnections\n");
    EXPECT_EQ(3, graph.getNextId());
    graph = load("nodes\n0,1,2,a\n1,3,4,b\n2,5,6,c\n7,0,0,d\nconnections\n");
    EXPECT_EQ(8, graph.getNextId());
    EXPECT_EQ(4u, graph.getNodes().size());
}

TEST_F(PathGraphFile, NodeLinesGivePositionOnTheGround) {
    const PathFinder graph = load("nodes\n4,815.5,-545.25,sh_2\nconnections\n");
    ASSERT_EQ(1u, graph.getNodes().size());
    const Lumo::PathNode& node = *graph.getNodes()[0];
    EXPECT_EQ(4, node.id);
    EXPECT_EQ("sh_2", node.name);
    EXPECT_FLOAT_EQ(815.5f, node.position.X);
    EXPECT_FLOAT_EQ(0.0f, node.position.Y);
    EXPECT_FLOAT_EQ(-545.25f, node.position.Z);
}

TEST_F(PathGraphFile, ConnectionToALaterLineIsIgnored) {
    const PathFinder graph = load("nodes\n0,0,0,a\n0,1\n1,10,0,b\n0,1\n");
    ASSERT_EQ(1u, graph.getConnections().size());
    EXPECT_EQ(1u, graph.findNode(0)->connections.size());
    EXPECT_EQ(1u, graph.findNode(1)->connections.size());
}

TEST_F(PathGraphFile, DuplicateEdgesInEitherOrderKeepOne) {
    const PathFinder graph = load("nodes\n0,0,0,a\n1,10,0,b\nconnections\n0,1\n1,0\n0,1\n");
    EXPECT_EQ(1u, graph.getConnections().size());
    EXPECT_EQ(1u, graph.findNode(1)->connections.size());
    EXPECT_FLOAT_EQ(10.0f, graph.getConnections()[0]->length);
}

TEST_F(PathGraphFile, NameLookupFindsTheFirstInFileOrder) {
    const PathFinder graph = load("nodes\n3,1,1,park\n4,2,2,park\n");
    EXPECT_EQ(3, graph.findNode("park")->id);
    EXPECT_FLOAT_EQ(1.0f, graph.nodePosition("park").X);
    EXPECT_EQ(irr::core::vector3df(0, 0, 0), graph.nodePosition("Park"));
}

TEST_F(PathGraphFile, MalformedLinesAreIgnored) {
    const PathFinder graph = load("nodes\n"
                                  "0,1,2,with,comma\n"  // five fields
                                  "x,1,2,bad_id\n"
                                  "1,abc,2,bad_x\n"
                                  "2,1,2z,bad_z\n"
                                  "3,,2,empty_x\n"
                                  "4,1,2,ok\r\n"
                                  "\n,\n"
                                  "connections\n4,q\n4\n");
    ASSERT_EQ(1u, graph.getNodes().size());
    EXPECT_EQ("ok", graph.getNodes()[0]->name);
    EXPECT_EQ(5, graph.getNextId());
    EXPECT_TRUE(graph.getConnections().empty());
}

TEST_F(PathGraphFile, MissingFileLeavesTheGraphAsItWas) {
    PathFinder graph = load("nodes\n0,0,0,a\n");
    EXPECT_FALSE(graph.loadGraph(files.file("nothing_here.txt")));
    EXPECT_EQ(1u, graph.getNodes().size());
}

TEST_F(PathGraphFile, SaveThenLoadGivesTheSameGraph) {
    PathFinder original;
    original.addNode({815.f, 0.f, 545.f}, "sh_2", 0);
    original.addNode({0.125f, 0.f, 1e7f}, "far", 5);
    original.addNode({-3.5f, 0.f, 2.f}, "un", 2);
    original.connect(5, 0);
    original.connect(2, 5);
    ASSERT_TRUE(original.saveGraph(files.file("saved.txt")));
    EXPECT_EQ("nodes\n0,815,545,sh_2\n5,0.125,1e+07,far\n2,-3.5,2,un\nconnections\n5,0\n2,5\n",
              files.read("saved.txt"));

    PathFinder copy;
    ASSERT_TRUE(copy.loadGraph(files.file("saved.txt")));
    ASSERT_EQ(original.getNodes().size(), copy.getNodes().size());
    for (size_t i = 0; i < copy.getNodes().size(); ++i) {
        EXPECT_EQ(original.getNodes()[i]->id, copy.getNodes()[i]->id);
        EXPECT_EQ(original.getNodes()[i]->name, copy.getNodes()[i]->name);
        EXPECT_EQ(original.getNodes()[i]->position, copy.getNodes()[i]->position);
    }
    ASSERT_EQ(original.getConnections().size(), copy.getConnections().size());
    for (size_t i = 0; i < copy.getConnections().size(); ++i) {
        EXPECT_EQ(original.getConnections()[i]->a->id, copy.getConnections()[i]->a->id);
        EXPECT_EQ(original.getConnections()[i]->b->id, copy.getConnections()[i]->b->id);
    }
    EXPECT_EQ(original.getNextId(), copy.getNextId());
    EXPECT_FALSE(std::filesystem::exists(files.file("saved.txt.tmp")));
}

TEST_F(PathGraphFile, FailedSaveKeepsTheOldFile) {
    files.write("keep.txt", "nodes\n0,1,1,old\nconnections\n");
    // A folder where the temporary file should go makes the write fail before the rename.
    std::filesystem::create_directory(files.file("keep.txt.tmp"));
    PathFinder graph;
    graph.addNode({2.f, 0.f, 2.f}, "new", 0);
    EXPECT_FALSE(graph.saveGraph(files.file("keep.txt")));
    EXPECT_EQ("nodes\n0,1,1,old\nconnections\n", files.read("keep.txt"));
}
