#include "reference.h"

#include "core/allpairs.h"
#include "core/bellmanford.h"
#include "core/examplenetworks.h"
#include "core/shortestpath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

using namespace trayeko;

namespace {

// Every simple path's number of links from @p from to @p to.
std::vector<int> pathLinkCounts(const Network& network, int from, int to)
{
    std::vector<int> counts;
    std::vector<int> path{from};
    const auto walk = [&](auto&& self) -> void {
        if (path.back() == to) {
            counts.push_back(int(path.size()) - 1);
            return;
        }
        for (const NetworkLink& l : network.links())
            if (l.from == path.back() && std::find(path.begin(), path.end(), l.to) == path.end()) {
                path.push_back(l.to);
                self(self);
                path.pop_back();
            }
    };
    walk(walk);
    return counts;
}

struct ExampleRow
{
    const char* name;
    int index;
    std::vector<std::vector<int>> shortestRoutes; // the reference's, as nodes
    double length;
    friend void PrintTo(const ExampleRow& row, std::ostream* os) { *os << row.name; }
};

class Examples : public testing::TestWithParam<ExampleRow>
{};

// Each example is a network the lesson can teach, its claims hold by the reference's walk over
// every path, and both methods find what the walk finds.
TEST_P(Examples, TeachWhatTheySay)
{
    const auto examples = exampleNetworks();
    ASSERT_EQ(examples.size(), 6u);
    const NetworkDocument& d = examples.at(std::size_t(GetParam().index)).document;
    const Network& network = d.network;
    EXPECT_TRUE(network.hasNode(d.start) && network.hasNode(d.end) && d.start != d.end);
    EXPECT_LE(network.nodeCount(), kMaxNetworkNodes);
    EXPECT_FALSE(d.title.empty() || d.note.empty() || examples[at(GetParam().index + 1)].menuText.empty());
    EXPECT_FALSE(hasNegativeWeight(network));

    const auto best = reference::shortestPaths(network.links(), d.start, d.end);
    EXPECT_EQ(best.paths, GetParam().shortestRoutes);
    EXPECT_EQ(best.length, GetParam().length);
    const ShortestPathTree tree = dijkstra(Digraph(network), d.start);
    EXPECT_EQ(tree.distance[at(d.end)], best.length);
    EXPECT_NE(std::find(best.paths.begin(), best.paths.end(), routeTo(tree, d.end)), best.paths.end());
    EXPECT_EQ(floydWarshall(network).at(d.start, d.end), best.length);

    const NetworkReadResult back = readNetwork(writeNetwork(d, NetworkFormat::Json), NetworkFormat::Json);
    ASSERT_TRUE(back.document) << back.error;
    EXPECT_EQ(*back.document, d);
}

INSTANTIATE_TEST_SUITE_P(
    Networks, Examples,
    testing::Values(ExampleRow{"demonstration", 0, {{1, 3, 5, 7}, {1, 7}}, 16},
                    ExampleRow{"townMap", 1, {{3, 1, 5, 6, 4}}, 15},
                    ExampleRow{"mostLinks", 2, {{1, 2, 3, 4, 5, 6}}, 10},
                    ExampleRow{"twoEqualRoutes", 3, {{1, 2, 4, 6}, {1, 3, 4, 6}}, 11}),
    reference::rowName);

TEST(Examples, ShowWhatTheirNotesSay)
{
    const auto examples = exampleNetworks();
    EXPECT_EQ(examples[0].document.network, demoNetwork());
    EXPECT_EQ(examples[0].document.title, "Jaringan peraga");

    const NetworkDocument& town = examples[1].document;
    EXPECT_GE(town.network.nodeCount(), 6);
    EXPECT_LE(town.network.nodeCount(), 8);
    std::vector<std::string> names;
    for (const NetworkNode& n : town.network.nodes()) {
        names.push_back(n.name);
        EXPECT_TRUE(n.x >= 0 && n.x <= 6000 && n.y >= 0 && n.y <= 3500) << n.name;
    }
    for (const char* place : {"Alun-alun", "Pasar", "Stasiun", "Sekolah"})
        EXPECT_NE(std::find(names.begin(), names.end(), place), names.end()) << place;
    EXPECT_EQ(town.network.nodeLabel(town.start), "Stasiun");
    EXPECT_EQ(town.network.nodeLabel(town.end), "Sekolah");
    EXPECT_NE(town.network.findLink(1, 4), 0) << "the direct road the note speaks of";
    EXPECT_EQ(town.network.findLink(2, 3), 0) << "the one-way street";

    const NetworkDocument& most = examples[2].document;
    const auto counts = pathLinkCounts(most.network, most.start, most.end);
    EXPECT_EQ(*std::max_element(counts.begin(), counts.end()), 5);
    EXPECT_EQ(std::count(counts.begin(), counts.end(), 5), 1) << "one route has the most links";
}

struct NegativeRow
{
    const char* name;
    int index;
    std::vector<double> trueDistances; // empty where a negative cycle leaves none
    std::size_t mistakeStep;           // the round Dijkstra fixes a node too early
    int mistakeNode;                   // 0: no mistake to name (a negative cycle)
    std::vector<int> cycle;
    friend void PrintTo(const NegativeRow& row, std::ostream* os) { *os << row.name; }
};

class NegativeExamples : public testing::TestWithParam<NegativeRow>
{};

// The examples with negative weights show what their notes say, by Bellman–Ford and by the
// reference's walk over every simple path.
TEST_P(NegativeExamples, TeachWhatTheySay)
{
    const NegativeRow& row = GetParam();
    const ExampleNetwork example = exampleNetworks().at(std::size_t(row.index));
    const NetworkDocument& d = example.document;
    EXPECT_TRUE(hasNegativeWeight(d.network));
    EXPECT_FALSE(d.title.empty() || d.note.empty() || example.menuText.empty());
    EXPECT_TRUE(d.network.hasNode(d.start) && d.network.hasNode(d.end) && d.start != d.end);
    EXPECT_GE(d.network.nodeCount(), 4);
    EXPECT_LE(d.network.nodeCount(), 6);
    for (const NetworkNode& n : d.network.nodes())
        EXPECT_TRUE(n.x >= 0 && n.x <= 6000 && n.y >= 0 && n.y <= 3500);

    const BellmanFordResult bf = bellmanFord(d.network, d.start);
    const auto mistake = firstDijkstraMistake(d.network, d.start);
    if (row.cycle.empty()) {
        ASSERT_FALSE(bf.negativeCycle);
        EXPECT_EQ(bf.distance, row.trueDistances);
        EXPECT_EQ(reference::shortestPaths(d.network.links(), d.start, d.end).length,
                  row.trueDistances.at(at(d.end)));
        ASSERT_TRUE(mistake);
        EXPECT_EQ(mistake->step, row.mistakeStep);
        EXPECT_EQ(mistake->node, row.mistakeNode);
        EXPECT_LT(mistake->trueDistance, mistake->fixedDistance);
        EXPECT_TRUE(checkDijkstraBreaker(d.network, d.start).qualifies);
    } else {
        ASSERT_TRUE(bf.negativeCycle);
        EXPECT_EQ(bf.negativeCycle->nodes, row.cycle);
        EXPECT_LT(bf.negativeCycle->weight, 0);
        EXPECT_FALSE(mistake);
        EXPECT_TRUE(bellmanFordRoute(bf, d.end).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Networks, NegativeExamples,
    testing::Values(NegativeRow{"fixedTooEarly", 4, {0, 1, 5, 4, 6}, 1, 2, {}},
                    NegativeRow{"negativeCycle", 5, {}, 0, 0, {2, 3, 4}}),
    reference::rowName);

} // namespace

namespace {

std::string fileText(const std::string& name)
{
    std::ifstream file(std::string(TRAYEKO_SOURCE_DIR) + "/docs/examples/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The example files handed out with the guides are the town map, in every format.
TEST(Examples, FilesInTheGuidesAreTheTownMap)
{
    const NetworkDocument town = exampleNetworks()[1].document;
    for (const char* name : {"peta-kota.trayeko.json", "peta-kota.graphml", "peta-kota.csv"}) {
        const NetworkReadResult read = readNetwork(fileText(name), *formatForFileName(name), ',');
        ASSERT_TRUE(read.document) << name << ": " << read.error;
        if (std::string_view(name).ends_with(".csv"))
            EXPECT_EQ(writeNetwork(*read.document, NetworkFormat::Csv), writeNetwork(town, NetworkFormat::Csv));
        else
            EXPECT_EQ(*read.document, town) << name;
    }
    EXPECT_EQ(fileText("peta-kota.dot"), writeNetwork(town, NetworkFormat::Dot));
}

} // namespace
