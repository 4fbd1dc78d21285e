#include "reference.h"

#include "core/floyd.h"
#include "core/routes.h"
#include "core/shortestpath.h"

#include <gtest/gtest.h>

#include <random>

using namespace trayeko;
using reference::changed;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct LabelRow
{
    const char* name;
    LinkWeights weights;
    const char* separator;
    std::array<std::string, kNodeCount> labels;
    friend void PrintTo(const LabelRow& row, std::ostream* os) { *os << row.name; }
};

class NodeLabels : public testing::TestWithParam<LabelRow>
{
};

TEST_P(NodeLabels, AreTheShortestDistancesFromNodeOne)
{
    EXPECT_EQ(nodeLabelTexts(GetParam().weights, GetParam().separator), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, NodeLabels,
    testing::Values(
        LabelRow{"Defaults", defaultWeights(), ".", {"0", "7", "6", "8", "10", "10", "16"}},
        LabelRow{"ShortLinkToFour", changed({{3, 1}}), ".", {"0", "7", "6", "1", "7", "6", "13"}},
        LabelRow{
            "ShortLinkToSeven", changed({{10, 3}}), ".", {"0", "7", "6", "8", "10", "10", "3"}},
        LabelRow{"WholeDistance",
                 changed({{10, 1234}, {12, 1226}, {13, 1224}, {14, 1226}}),
                 ".",
                 {"0", "7", "6", "8", "10", "10", "1234"}},
        LabelRow{"FractionWithComma",
                 changed({{10, 12.75}}),
                 ",",
                 {"0", "7", "6", "8", "10", "10", "12,75"}}),
    reference::rowName);

TEST(ShortestDistances, GeneralDirectedGraph)
{
    // A cycle 1 -> 2 -> 3 -> 1, a direct link longer than the detour, an island 4 -> 5, and two
    // edges naming nodes that do not exist.
    const std::vector<WeightedEdge> edges{{1, 2, 2}, {2, 3, 2}, {1, 3, 5}, {3, 1, 1},
                                          {4, 5, 1}, {3, 9, 1}, {0, 2, 1}};
    EXPECT_EQ(shortestDistances(5, edges, 1), (std::vector<double>{0, 2, 4, inf, inf}));
    EXPECT_EQ(shortestDistances(5, edges, 3), (std::vector<double>{1, 3, 0, inf, inf}));
    EXPECT_EQ(shortestDistances(5, edges, 6), std::vector<double>(5, inf));
}

TEST(ShortestDistances, RoutesDijkstraAndFloydAgreeWithAllPathsOnRandomWeights)
{
    // Whole weights keep every sum exact, so all methods must agree exactly.
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> weight(1, 20);
    for (int n = 0; n < 300; ++n) {
        LinkWeights w{};
        for (double& x : w)
            x = weight(random);
        // The route choice takes the first route of the shortest length.
        const int chosen = selectShortestRoute(computeRouteTotals(w)).value_or(0);
        ASSERT_GE(chosen, 1);
        const double best = reference::shortest(kStartNode, kEndNode, w);
        EXPECT_EQ(reference::pathLength(candidateRoute(chosen).links, w), best);
        for (int earlier = 1; earlier < chosen; ++earlier)
            EXPECT_GT(reference::pathLength(candidateRoute(earlier).links, w), best);

        const std::array<double, kNodeCount> dijkstra = demoShortestDistances(w);
        const FloydMatrices floyd = listFloydMatrices(w).final;
        for (int i = 1; i <= kNodeCount; ++i) {
            EXPECT_EQ(dijkstra[std::size_t(i - 1)], reference::shortest(1, i, w));
            for (int j = 1; j <= kNodeCount; ++j) {
                const auto cell = floyd.value(i, j);
                ASSERT_EQ(cell.value_or(inf), reference::shortest(i, j, w)) << i << "," << j;
                // The rebuilt route is a real path of exactly that length.
                const std::vector<int> route = floydRoute(floyd, i, j);
                ASSERT_EQ(route.empty(), !cell);
                reference::Path links;
                for (std::size_t s = 1; s < route.size(); ++s)
                    links.push_back(findLink(route[s - 1], route[s])->number);
                if (cell) {
                    EXPECT_EQ(reference::pathLength(links, w), *cell);
                }
            }
        }
    }
}

} // namespace
