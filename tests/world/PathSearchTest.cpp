#include "src_lumo/World/PathFinder.h"

#include <gtest/gtest.h>

#include <limits>
#include <queue>
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

// Plain Dijkstra over the same edges, written without the finder's scratch fields.
std::vector<double> shortestDistances(const PathFinder& graph, int sourceIndex) {
    const auto& nodes = graph.getNodes();
    std::vector<double> distance(nodes.size(), std::numeric_limits<double>::infinity());
    auto indexOf = [&](const PathNode* node) {
        for (size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].get() == node)
                return i;
        return nodes.size();
    };
    using Entry = std::pair<double, size_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    distance[sourceIndex] = 0.0;
    queue.push({0.0, static_cast<size_t>(sourceIndex)});
    while (!queue.empty()) {
        const auto [d, i] = queue.top();
        queue.pop();
        if (d > distance[i])
            continue;
        for (const auto& edge : graph.getConnections()) {
            size_t other = nodes.size();
            if (edge->a == nodes[i].get())
                other = indexOf(edge->b);
            else if (edge->b == nodes[i].get())
                other = indexOf(edge->a);
            if (other < nodes.size() && d + edge->length < distance[other]) {
                distance[other] = d + edge->length;
                queue.push({distance[other], other});
            }
        }
    }
    return distance;
}

} // namespace

class PathSearch : public ::testing::Test {
protected:
    PathFinder graph;
};

TEST_F(PathSearch, AdjacentNodesGiveGoalThenStart) {
    graph.addNode({0, 0, 0}, "a", 0);
    graph.addNode({10, 0, 0}, "b", 1);
    graph.connect(0, 1);
    EXPECT_EQ((std::vector<int>{1, 0}), idsOf(graph.findPath("a", "b")));
    EXPECT_EQ((std::vector<int>{0, 1}), idsOf(graph.findPath(1, 0)));
}

TEST_F(PathSearch, StartEqualToGoalIsTheGoalAlone) {
    graph.addNode({0, 0, 0}, "a", 0);
    EXPECT_EQ((std::vector<int>{0}), idsOf(graph.findPath("a", "a")));
}

TEST_F(PathSearch, UnreachableGoalComesBackAlone) {
    graph.addNode({0, 0, 0}, "a", 0);
    graph.addNode({10, 0, 0}, "b", 1);
    graph.addNode({20, 0, 0}, "island", 2);
    graph.connect(0, 1);
    EXPECT_EQ((std::vector<int>{2}), idsOf(graph.findPath("a", "island")));
    // A later search does not inherit the last one's parents.
    EXPECT_EQ((std::vector<int>{1, 0}), idsOf(graph.findPath("a", "b")));
    EXPECT_EQ((std::vector<int>{2}), idsOf(graph.findPath("b", "island")));
}

TEST_F(PathSearch, UnknownNamesAndIdsGiveNothing) {
    graph.addNode({0, 0, 0}, "a", 0);
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
    graph.addNode({0, 0, 0}, "a", 0);
    graph.addNode({10, 0, 0}, "b", 1);
    graph.addNode({20, 0, 0}, "c", 2);
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

TEST_F(PathSearch, ConnectRefusesUnknownIdsAndSelfLoops) {
    graph.addNode({0, 0, 0}, "a", 0);
    EXPECT_FALSE(graph.connect(0, 5));
    EXPECT_FALSE(graph.connect(0, 0));
    EXPECT_TRUE(graph.getConnections().empty());
}

TEST_F(PathSearch, FindsShortestRoutesOnRandomGraphs) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        PathFinder graph;
        std::uniform_real_distribution<float> coordinate(0.0f, 500.0f);
        const int count = 5 + static_cast<int>(random() % 30);
        for (int id = 0; id < count; ++id)
            graph.addNode({coordinate(random), 0.0f, coordinate(random)}, "n", id);
        const int edges = count + static_cast<int>(random() % (2 * count));
        for (int e = 0; e < edges; ++e)
            graph.connect(static_cast<int>(random() % count), static_cast<int>(random() % count));

        for (int query = 0; query < 10; ++query) {
            const int start = static_cast<int>(random() % count);
            const int goal = static_cast<int>(random() % count);
            const double expected = shortestDistances(graph, start)[goal];
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
