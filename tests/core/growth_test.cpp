#include "reference.h"

#include "core/allpairs.h"
#include "core/generatednetwork.h"
#include "core/growth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace trayeko;

namespace {

using Point = std::pair<double, double>;

// Twice the signed area of the triangle a, b, c: which side of a -> b the point c lies on.
double turn(Point a, Point b, Point c)
{
    return (b.first - a.first) * (c.second - a.second) -
           (b.second - a.second) * (c.first - a.first);
}

bool onSegment(Point a, Point b, Point c)
{
    return turn(a, b, c) == 0 && std::min(a, b) <= c && c <= std::max(a, b);
}

// Whether two segments without a common end meet anywhere.
bool meet(Point a, Point b, Point c, Point d)
{
    const double t1 = turn(a, b, c), t2 = turn(a, b, d), t3 = turn(c, d, a), t4 = turn(c, d, b);
    if (((t1 > 0 && t2 < 0) || (t1 < 0 && t2 > 0)) && ((t3 > 0 && t4 < 0) || (t3 < 0 && t4 > 0)))
        return true;
    return onSegment(a, b, c) || onSegment(a, b, d) || onSegment(c, d, a) || onSegment(c, d, b);
}

TEST(GeneratedNetwork, ReachesTheLastNodeWithWholeWeightsAndDrawsWithoutCrossings)
{
    std::vector<int> sizes = growthSizes();
    for (int n = 1; n <= 40; ++n)
        sizes.push_back(n);
    for (const int n : sizes) {
        const std::vector<WeightedEdge> edges = generatedNetwork(n, kGrowthSeed).links();
        EXPECT_EQ(edges, generatedNetwork(n, kGrowthSeed).links());
        const GeneratedShape shape = generatedShape(n);
        const auto at = [&shape](int node) {
            const NodePlace p = shape.place(node);
            return Point{p.column, p.row};
        };
        std::set<std::pair<int, int>> pairs;
        for (const WeightedEdge& e : edges) {
            EXPECT_TRUE(e.weight >= 1 && e.weight <= kGeneratedMaxWeight &&
                        e.weight == std::floor(e.weight));
            EXPECT_TRUE(pairs.insert(std::minmax(e.from, e.to)).second) << n;
            for (int node = 1; n <= 128 && node <= n; ++node) {
                EXPECT_TRUE(node == e.from || node == e.to ||
                            !onSegment(at(e.from), at(e.to), at(node)))
                    << n << ": " << e.from << "->" << e.to << " passes node " << node;
            }
            for (const WeightedEdge& f : edges) {
                const bool apart =
                    e.from != f.from && e.from != f.to && e.to != f.from && e.to != f.to;
                if (n <= 128 && apart) {
                    EXPECT_FALSE(meet(at(e.from), at(e.to), at(f.from), at(f.to)))
                        << n << ": " << e.from << "->" << e.to << " crosses " << f.from << "->"
                        << f.to;
                }
            }
        }
        const Digraph graph(n, edges);
        EXPECT_LT(floydWarshall(graph).at(1, n), INFINITY) << n;
        // Dijkstra from node 1 and from every node, and Floyd–Warshall, find the same distances.
        EXPECT_TRUE(searchesAgree(n)) << n;
    }
    EXPECT_NE(generatedNetwork(20, 1), generatedNetwork(20, 2));
}

TEST(MeasureGrowth, TimesEachSearchOfEachSizeAndReportsProgressAndCancelling)
{
    std::int64_t now = 0;
    std::vector<int> progress;
    GrowthControl control{
        [&now] { return now += 5'000'000; },
        {},
        [&progress](int done, int total) { progress.push_back(done * 100 + total); },
        {}};
    const std::vector<int> sizes{4, 8};
    std::vector<GrowthRow> rows = measureGrowth(sizes, control);
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(rows[i].nodeCount, sizes[i]);
        EXPECT_TRUE(rows[i].agree);
        for (const double seconds : rows[i].seconds)
            EXPECT_EQ(seconds, 0.005);
    }
    // Three passes over both sizes; a pass stopped halfway leaves the sizes it finished.
    ASSERT_EQ(progress.size(), 24u);
    EXPECT_EQ(std::tie(progress[0], progress[23]), std::make_tuple(1 * 100 + 24, 24 * 100 + 24));
    progress.clear();
    control.cancelled = [&progress] { return progress.size() == 4; };
    rows = measureGrowth(sizes, control);
    EXPECT_EQ(rows.size(), 1u);
}

TEST(FittedSlope, IsThePowerOfTheGrowthFromTheFittedSizesOn)
{
    std::vector<GrowthRow> rows;
    for (const int n : {4, 8, 32, 64, 128})
        rows.push_back({n, {1e-6 * n, 1e-9 * n * n, n < 32 ? 1.0 : 1e-9 * n * n * n, 2.5}, true});
    EXPECT_NEAR(fittedSlope(rows, GrowthSearch::DijkstraFromOne), 1, 1e-9);
    EXPECT_NEAR(fittedSlope(rows, GrowthSearch::DijkstraFromEveryNode, 0), 2, 1e-9);
    EXPECT_NEAR(fittedSlope(rows, GrowthSearch::FloydWarshall), 3, 1e-9);
    EXPECT_EQ(fittedSlope(rows, GrowthSearch::FloydWarshall, 100), 0);

    EXPECT_EQ(growthCsv(std::span(rows).first(1), ","),
              "Simpul;Dijkstra dari simpul 1 (detik);Dijkstra dari setiap simpul (detik);"
              "Floyd\u2013Warshall (detik);Bellman\u2013Ford (n \u2212 1 putaran) (detik);"
              "Sepakat\r\n4;4E-06;1,6E-08;1;2,5;ya\r\n");
}

} // namespace
