#include "src_lumo/World/PathFinder.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

using Lumo::PathFinder;
using Lumo::PathNode;

namespace {

std::vector<int> idsOf(const std::vector<PathNode*>& path) {
    std::vector<int> ids;
    for (const PathNode* node : path)
        ids.push_back(node->id);
    return ids;
}

// Floyd-Warshall over the edges, for graphs whose ids are 0..n-1.
std::vector<std::vector<double>> allDistances(const PathFinder& graph, int count) {
    const double far = std::numeric_limits<double>::infinity();
    std::vector<std::vector<double>> d(count, std::vector<double>(count, far));
    for (int i = 0; i < count; ++i)
        d[i][i] = 0.0;
    for (const auto& edge : graph.getConnections())
        d[edge->a->id][edge->b->id] = d[edge->b->id][edge->a->id] = edge->length;
    for (int k = 0; k < count; ++k)
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < count; ++j)
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    return d;
}

} // namespace

class PathSearch : public ::testing::Test {
protected:
    // Nodes 0, 1, 2 named a, b, c ten units apart on a line.
    void addLine() {
        graph.addNode({0, 0, 0}, "a", 0);
        graph.addNode({10, 0, 0}, "b", 1);
        graph.addNode({20, 0, 0}, "c", 2);
    }
    PathFinder graph;
};

// Shortest routes, islands and a search after a search: FindsShortestRoutesOnRandomGraphs.
TEST_F(PathSearch, PathsByNameRunFromGoalToStartAndMissingEndsGiveNone) {
    addLine();
    graph.connect(0, 1);
    EXPECT_EQ((std::vector<int>{1, 0}), idsOf(graph.findPath("a", "b")));
    EXPECT_TRUE(graph.findPath("a", "nowhere").empty());
    EXPECT_TRUE(graph.findPath("nowhere", "a").empty());
    EXPECT_TRUE(graph.findPath(0, 9).empty());
}

TEST_F(PathSearch, EqualCostsFavourTheEarlierOpenNode) {
    // Two mirror-image routes of exactly the same length; the one connected first wins.
    graph.addNode({0, 0, 0}, "s", 0);
    graph.addNode({2, 0, 0}, "g", 1);
    graph.addNode({1, 0, 1}, "up", 2);
    graph.addNode({1, 0, -1}, "down", 3);
    graph.connect(0, 3);
    graph.connect(0, 2);
    graph.connect(2, 1);
    graph.connect(3, 1);
    EXPECT_EQ((std::vector<int>{1, 3, 0}), idsOf(graph.findPath("s", "g")));
}

TEST_F(PathSearch, RemovedNodeTakesItsEdgesAlong) {
    addLine();
    EXPECT_FALSE(graph.connect(0, 5));
    EXPECT_FALSE(graph.connect(0, 0));
    EXPECT_TRUE(graph.getConnections().empty());
    graph.connect(0, 1);
    graph.connect(1, 2);
    graph.connect(0, 2);
    EXPECT_EQ(2u, graph.findPath("a", "c").size()); // b now sits in the search's open list
    graph.removeNode(1);
    graph.removeNode(42);
    EXPECT_EQ(2u, graph.getNodes().size());
    ASSERT_EQ(1u, graph.getConnections().size());
    EXPECT_EQ(1u, graph.findNode(0)->connections.size());
    EXPECT_EQ(1u, graph.findNode(2)->connections.size());
    EXPECT_EQ((std::vector<int>{2, 0}), idsOf(graph.findPath("a", "c")));
}

TEST_F(PathSearch, FindsShortestRoutesOnRandomGraphs) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> coordinate(0.0f, 500.0f);
    for (int round = 0; round < 40; ++round) {
        PathFinder graph;
        const int count = 5 + static_cast<int>(random() % 30);
        for (int id = 0; id < count; ++id)
            graph.addNode({coordinate(random), 0.0f, coordinate(random)}, "n", id);
        const int edges = count + static_cast<int>(random() % (2 * count));
        for (int e = 0; e < edges; ++e)
            graph.connect(static_cast<int>(random() % count), static_cast<int>(random() % count));
        const auto distances = allDistances(graph, count);
        for (int query = 0; query < 10; ++query) {
            const int start = static_cast<int>(random() % count);
            const int goal = static_cast<int>(random() % count);
            const double expected = distances[start][goal];
            const std::vector<PathNode*> path = graph.findPath(start, goal);
            ASSERT_FALSE(path.empty());
            EXPECT_EQ(goal, path.front()->id);
            if (expected == std::numeric_limits<double>::infinity()) {
                EXPECT_EQ(1u, path.size());
                continue;
            }
            EXPECT_EQ(start, path.back()->id);
            double length = 0.0;
            for (size_t i = 0; i + 1 < path.size(); ++i) {
                const Lumo::NodeConnection* step = nullptr;
                for (const auto* edge : path[i]->connections)
                    if (edge->joins(path[i], path[i + 1]))
                        step = edge;
                ASSERT_NE(nullptr, step) << "consecutive path nodes must share an edge";
                length += step->length;
            }
            EXPECT_NEAR(expected, length, 1e-3 * (1.0 + expected)) << "round " << round;
        }
    }
}
