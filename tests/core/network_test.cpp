#include "reference.h"

#include "core/allpairs.h"
#include "core/dijkstratable.h"
#include "core/exercise.h"
#include "core/exercisecode.h"
#include "core/floyd.h"
#include "core/generatednetwork.h"
#include "core/network.h"
#include "core/numbertext.h"
#include "core/steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace trayeko;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// A network of five nodes that is not the demonstration's: a link back to the start, a tie into
// node 5 (1→3→5 and 1→3→2→4→5 are both 7) and a node 2 first reached the long way.
struct FiveNodes
{
    const char* name;
    std::vector<std::string> labels; // empty: the nodes go by their numbers
};

Network fiveNodes(const std::vector<std::string>& labels = {})
{
    const std::vector<NetworkLink> links{{1, 2, 4}, {1, 3, 1}, {3, 2, 2}, {2, 4, 1},
                                         {3, 4, 5}, {4, 5, 3}, {5, 1, 2}, {3, 5, 6}};
    Network network(5, links);
    for (std::size_t n = 0; n < labels.size(); ++n)
        network.setNodeName(int(n) + 1, labels[n]);
    return network;
}

// The shortest distance over simple paths whose inner nodes are all at most @p k: what the value
// matrix holds after iteration k (the weights are positive).
double shortestThrough(const Network& network, int from, int to, int k)
{
    double best = from == to ? 0 : inf;
    std::vector<int> path{from};
    const auto walk = [&](auto&& self, double length) -> void {
        for (const NetworkLink& l : network.links()) {
            if (l.from != path.back() || std::find(path.begin(), path.end(), l.to) != path.end())
                continue;
            if (l.to == to) {
                best = std::min(best, length + l.weight);
                continue;
            }
            if (l.to > k)
                continue;
            path.push_back(l.to);
            self(self, length + l.weight);
            path.pop_back();
        }
    };
    walk(walk, 0);
    return best;
}

class OnFiveNodes : public testing::TestWithParam<FiveNodes>
{
protected:
    std::string label(int n) const
    {
        return GetParam().labels.empty() ? std::to_string(n) : GetParam().labels[at(n)];
    }
};

// Dijkstra's steps and the lesson table on a network given as data agree with a walk over every
// path, and their texts name the nodes as the network does.
TEST_P(OnFiveNodes, DijkstraStepsAndTable)
{
    const Network network = fiveNodes(GetParam().labels);
    const std::vector<DijkstraStep> steps = dijkstraSteps(network, 1, 5);
    ASSERT_EQ(steps.size(), 5u);
    std::vector<int> order{1, 2, 3, 4, 5};
    std::vector<double> truth(5);
    for (int v = 1; v <= 5; ++v)
        truth[at(v)] = reference::shortestPaths(network.links(), 1, v).length;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return truth[at(a)] < truth[at(b)]; });
    const std::vector<DijkstraTableRow> table = dijkstraTable(steps);
    ASSERT_EQ(table.size(), steps.size());
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const int u = order[s];
        EXPECT_EQ(steps[s].fixedNode, u) << "step " << s + 1;
        EXPECT_EQ(steps[s].fixedDistance, truth[at(u)]);
        EXPECT_EQ(table[s].fixedNode, u);
        ASSERT_EQ(table[s].cells.size(), 5u);
        EXPECT_TRUE(table[s].cells[at(u)].fixedHere);
        // The grading takes the walk's answer as right, and another node as wrong.
        EXPECT_EQ(gradeDijkstraStep(network, 1, 5, s, std::to_string(u),
                                    formatGeneral(truth[at(u)]))
                      .verdict,
                  Verdict::Right);
        EXPECT_EQ(gradeDijkstraStep(network, 1, 5, s, std::to_string(u % 5 + 1), "0").verdict,
                  Verdict::Wrong);
        EXPECT_EQ(steps[s].explanation.find("Langkah " + std::to_string(s + 1) + " dari 5: simpul " +
                                            label(u) + " ditetapkan dengan jarak " +
                                            formatGeneral(truth[at(u)])),
                  0u);
    }
    for (int v = 1; v <= 5; ++v) {
        const std::vector<int> links = treeRoute(steps.back(), v);
        double length = 0;
        for (int k : links)
            length += network.link(k).weight;
        EXPECT_EQ(length, truth[at(v)]) << v;
    }
    // The tie keeps the route found first, and the closing sentence names that one.
    EXPECT_EQ(treeRoute(steps.back(), 5), (std::vector<int>{2, 8}));
    EXPECT_NE(steps.back().explanation.find(" Jarak terpendek ke simpul " + label(5) +
                                            " adalah 7, lewat simpul " + label(1) + ", " +
                                            label(3) + ", dan " + label(5) + "."),
              std::string::npos);
    EXPECT_NE(steps[0].explanation.find("jalur " + label(1) + "→" + label(3) +
                                        " memperbaiki jarak simpul " + label(3) + " menjadi 1"),
              std::string::npos);
    EXPECT_EQ(dijkstraTableFields(table.back()),
              (std::vector<std::string>{"5", "5", "0", "3 (3)", "1 (1)", "4 (2)", "7 (3)*"}));
    const std::vector<std::string> header = dijkstraTableHeader(network);
    EXPECT_EQ(header, (std::vector<std::string>{"Langkah", "Tetap", label(1), label(2), label(3),
                                                label(4), label(5)}));
    EXPECT_EQ(dijkstraTableText(table, header).find("Langkah  Tetap  " + label(1) + "   " + label(2)),
              0u);
    EXPECT_EQ(dijkstraPseudoCode(1, 5).back(), "d[5] adalah jarak terpendek ke simpul 5");
}

// The Floyd iterations of the same network hold after iteration k what the shortest paths through
// nodes up to k give, list exactly the cells that changed, and grade them.
TEST_P(OnFiveNodes, FloydIterationsAndGrading)
{
    const Network network = fiveNodes(GetParam().labels);
    const std::vector<FloydIteration> its = floydChanges(network, 1, 5);
    ASSERT_EQ(its.size(), 5u);
    std::vector<std::vector<double>> before(5, std::vector<double>(5));
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            before[at(i)][at(j)] = shortestThrough(network, i, j, 0);
    for (int k = 1; k <= 5; ++k) {
        const FloydIteration& it = its[at(k)];
        std::vector<FloydMark> marks;
        std::size_t changed = 0;
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 5; ++j) {
                const double now = shortestThrough(network, i, j, k);
                EXPECT_EQ(it.value[at(i)][at(j)].value_or(inf), now) << k << ": " << i << "," << j;
                if (now != before[at(i)][at(j)]) {
                    ++changed;
                    marks.push_back({i, j, formatGeneral(now)});
                }
                before[at(i)][at(j)] = now;
            }
        EXPECT_EQ(it.changes.size(), changed) << "iteration " << k;
        EXPECT_EQ(it.explanation.find("Langkah " + std::to_string(k) + " dari 5: simpul " +
                                      label(k) + " sebagai perantara"),
                  0u);
        const FloydGrade right = gradeFloydIteration(network, k, marks);
        EXPECT_EQ(right.right, right.total);
        EXPECT_EQ(right.total, int(changed));
        if (!marks.empty()) {
            marks.pop_back();
            const FloydGrade missed = gradeFloydIteration(network, k, marks);
            EXPECT_EQ(missed.right, missed.total - 1);
            EXPECT_EQ(missed.cells.back().verdict, CellVerdict::Missed);
        }
    }
    // The route known after the last iteration is the shortest one, over the network's links.
    const std::vector<int> route = its.back().routeLinks;
    double length = 0;
    for (int k : route)
        length += network.link(k).weight;
    EXPECT_EQ(length, 7);
    const FloydListingMarks listingMarks = floydListingMarks(its);
    EXPECT_EQ(listingMarks.valueLines.size(), std::size_t(valueRowLine(5, 5, 5) + 1));
    const FloydListing listing = listFloydMatrices(network);
    EXPECT_EQ(listing.valueLines.size(), listingMarks.valueLines.size());
    EXPECT_EQ(listing.nodeLines.size(), std::size_t(nodeRowLine(5, 5, 5) + 1));
    EXPECT_EQ(listing.valueLines[std::size_t(valueRowLine(0, 1, 5))], "0     4     1     ~     ~");
    EXPECT_EQ(listing.valueLines[std::size_t(valueHeaderLine(5, 5))], "Iterasi 5");
    EXPECT_EQ(floydPseudoCode(5)[1], "untuk k ← 1 sampai 5:");
    EXPECT_NE(its[0].explanation.find(label(5) + "→" + label(2) + " turun dari ∞ menjadi 6 lewat "
                                      "simpul " + label(1)),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Network, OnFiveNodes,
                         testing::Values(FiveNodes{"Numbered", {}},
                                         FiveNodes{"Named", {"A", "B", "C", "D", "E"}}),
                         reference::rowName);

// Answers a network of five nodes has no room for, and texts that count its nodes and links.
TEST(FiveNodeGrading, RefusesWhatTheNetworkHasNoRoomFor)
{
    const Network network = fiveNodes();
    struct Row
    {
        std::string node, distance, reason;
    };
    for (const Row& row : std::vector<Row>{
             {"6", "1", "Simpul 6 tidak ada: simpul bernomor 1 sampai 5."},
             {"", "", "Belum dijawab: ketik nomor simpul yang ditetapkan (1 sampai 5)."},
             {"1.5", "", "Nomor simpul adalah bilangan bulat 1 sampai 5."},
             {"1", "-1", "Jarak tidak mungkin negatif: setiap bobot lebih dari 0."},
         }) {
        const Grade g = gradeDijkstraStep(network, 1, 5, 0, row.node, row.distance);
        EXPECT_EQ(std::make_pair(g.verdict, g.reason), std::make_pair(Verdict::Nonsense, row.reason));
    }
    EXPECT_EQ(gradeDijkstraStep(network, 1, 5, 5, "1", "0").reason,
              "Langkah 6 tidak ada: metode ini selesai dalam 5 langkah.");
    EXPECT_EQ(gradeDijkstraStep(network, 1, 5, 1, "2", "3").reason,
              "Belum: simpul 2 punya jarak sementara 4, simpul 3 punya 1 — yang terkecil "
              "ditetapkan dulu.");
    EXPECT_EQ(gradeFloydIteration(network, 6, {}).cells.at(0).reason,
              "Iterasi 6 tidak ada: iterasi 1 sampai 5.");
    const std::vector<FloydMark> outside{{6, 1, "2"}};
    EXPECT_EQ(gradeFloydIteration(network, 1, outside).cells.back().reason,
              "Sel d[6][1] tidak ada: baris dan kolom bernomor 1 sampai 5.");
    EXPECT_EQ(exerciseHeading(false, "", network),
              "Latihan metode Dijkstra\nBobot jalur 1 sampai 8: 4; 1; 2; 1; 5; 3; 2; 6\n");
    // An unreachable end is said so, not skipped.
    Network oneWay(3);
    oneWay.addLink(2, 1, 1);
    EXPECT_NE(dijkstraSteps(oneWay, 1, 3).back().explanation.find(
                  " simpul 3 tidak terjangkau dari simpul 1."),
              std::string::npos);
    EXPECT_TRUE(dijkstraSteps(oneWay, 4, 3).empty());
}

// An exercise code gives any network whole weights 1 ... 20 from the same sequence the
// demonstration's fourteen come from.
TEST(ExerciseNetwork, DrawsTheSameSequenceForAnyNetwork)
{
    for (int seed : {0, 17, 4821, 9999}) {
        const Network drawn = exerciseNetwork(fiveNodes(), seed);
        EXPECT_EQ(drawn.nodes(), fiveNodes().nodes());
        ASSERT_EQ(drawn.linkCount(), 8);
        for (int k = 1; k <= 8; ++k) {
            const NetworkLink& l = drawn.link(k);
            EXPECT_EQ(std::make_pair(l.from, l.to),
                      std::make_pair(fiveNodes().link(k).from, fiveNodes().link(k).to));
            EXPECT_TRUE(l.weight >= 1 && l.weight <= 20 && l.weight == std::floor(l.weight));
            EXPECT_EQ(l.weight, exerciseWeights(seed)[at(k)]);
        }
        EXPECT_EQ(demoWeights(exerciseNetwork(demoNetwork(), seed)), exerciseWeights(seed));
    }
}

// A network is a value: a copy keeps what it was given when the original changes, and two
// networks are equal when their nodes and links are.
TEST(NetworkModel, CopiesShareUntilOneChanges)
{
    Network a = fiveNodes();
    const Network b = a;
    EXPECT_EQ(a, b);
    a.setWeight(3, 9);
    a.setNodeName(2, "Pasar");
    a.setNodePlace(2, 10, 20);
    EXPECT_EQ(b.link(3).weight, 2);
    EXPECT_EQ(b.nodeLabel(2), "2");
    EXPECT_EQ(a.nodeLabel(2), "Pasar");
    EXPECT_EQ(std::make_pair(a.node(2).x, a.node(2).y), std::make_pair(10.0, 20.0));
    EXPECT_NE(a, b);
    a.setWeight(3, 2);
    a.setNodeName(2, "");
    a.setNodePlace(2, 0, 0);
    EXPECT_EQ(a, b);

    // Thirty nodes and more: the type has no cap.
    Network big(30);
    for (int n = 1; n < 30; ++n)
        big.addLink(n, n + 1, -0.5);
    EXPECT_EQ(big.addNode("Akhir", 1, 2), 31);
    EXPECT_EQ(big.addLink(30, 31, 1), 30);
    EXPECT_EQ(std::make_tuple(big.nodeCount(), big.linkCount(), big.findLink(30, 31)),
              std::make_tuple(31, 30, 30));
    EXPECT_TRUE(hasNegativeWeight(big));
    EXPECT_EQ(firstNonFiniteLink(big), 0);
    big.setWeight(7, inf);
    EXPECT_EQ(firstNonFiniteLink(big), 7);
    EXPECT_THROW(big.node(32), std::out_of_range);
    EXPECT_THROW(big.link(0), std::out_of_range);
    EXPECT_THROW(big.setWeights(std::vector<double>{1}), std::invalid_argument);
}

struct BadLink
{
    const char* name;
    int from, to;
};

class NetworkLinks : public testing::TestWithParam<BadLink>
{
};

// A link joins two different nodes of the network, one per direction; a refused link leaves the
// network as it was.
TEST_P(NetworkLinks, RefusesWhatJoinsNoTwoNodes)
{
    Network network = fiveNodes();
    const Network before = network;
    EXPECT_THROW(network.addLink(GetParam().from, GetParam().to, 1), std::invalid_argument);
    EXPECT_EQ(network, before);
}

INSTANTIATE_TEST_SUITE_P(Network, NetworkLinks,
                         testing::Values(BadLink{"NoSuchStart", 0, 1}, BadLink{"NoSuchEnd", 1, 6},
                                         BadLink{"Loop", 3, 3}, BadLink{"Twice", 1, 2}),
                         reference::rowName);

// The demonstration network is its link table with the weights given, placed where the drawing
// has its circles.
TEST(NetworkModel, DemonstrationNetworkIsTheLinkTable)
{
    const LinkWeights w = reference::changed({{4, 2.5}, {11, -1}});
    const Network network = demoNetwork(w);
    ASSERT_EQ(std::make_pair(network.nodeCount(), network.linkCount()),
              std::make_pair(kNodeCount, kLinkCount));
    for (const LinkInfo& l : demoLinks()) {
        EXPECT_EQ(network.link(l.number), (NetworkLink{l.fromNode, l.toNode, w[at(l.number)]}));
        EXPECT_EQ(network.findLink(l.fromNode, l.toNode), l.number);
    }
    EXPECT_EQ(demoWeights(network), w);
    EXPECT_EQ(std::make_pair(network.node(1).x, network.node(7).x), std::make_pair(847.5, 8047.5));
    EXPECT_THROW(demoWeights(fiveNodes()), std::invalid_argument);
}

// The one kernel gives the same distances with and without the node matrix wherever the weights
// are finite, and the node matrix's routes are as long as their distances.
TEST(PathMatrix, BothFormsAgreeAndTheRoutesAreReal)
{
    for (int n : {2, 3, 5, 12, 30}) {
        const Network network = generatedNetwork(n, 7);
        PathMatrix fast(network);
        PathMatrix listed(network, true);
        fast.relaxAll();
        listed.relaxAll();
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                ASSERT_EQ(fast.distance(i, j), listed.distance(i, j)) << n << ": " << i << "," << j;
                EXPECT_EQ(fast.value(i, j), listed.value(i, j));
                const std::vector<int> route = floydRoute(network, listed, i, j);
                ASSERT_EQ(route.empty(), fast.distance(i, j) == kNoPath);
                double length = 0;
                for (std::size_t r = 1; r < route.size(); ++r)
                    length += network.link(network.findLink(route[r - 1], route[r])).weight;
                EXPECT_EQ(length, route.empty() ? 0 : fast.distance(i, j));
            }
        EXPECT_EQ(floydWarshall(network), floydWarshall(Digraph(network)));
        EXPECT_TRUE(floydRoute(network, fast, 1, n).empty()); // no node matrix, no route
    }
    // With the node matrix, a weight beyond a double's range is a known path; without, no path.
    Network far(2);
    far.addLink(1, 2, inf);
    EXPECT_EQ(PathMatrix(far, true).value(1, 2), std::optional<double>(inf));
    EXPECT_EQ(PathMatrix(far).value(1, 2), std::nullopt);
    // Cells of no node have no value, and an iteration through no node changes nothing.
    PathMatrix m(fiveNodes(), true);
    const PathMatrix before = m;
    m.relaxThrough(0);
    m.relaxThrough(6);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(m.valueRow(i), before.valueRow(i));
    EXPECT_EQ(std::make_tuple(m.value(0, 1), m.node(1, 6), m.distance(6, 6)),
              std::make_tuple(std::nullopt, 0, kNoPath));
}

struct TypedRow
{
    const char* name;
    std::string text;
    std::string separator;
    TypedNumber::Kind kind;
    double value;
};

class TypedAnswers : public testing::TestWithParam<TypedRow>
{
};

// An answer is read whole, with either decimal point; "∞" is the one infinity text both ways.
TEST_P(TypedAnswers, ReadWhole)
{
    const TypedRow& row = GetParam();
    const TypedNumber read = readTypedNumber(row.text, row.separator);
    EXPECT_EQ(read.kind, row.kind);
    if (row.kind == TypedNumber::Kind::Number) {
        EXPECT_EQ(read.value, row.value);
    }
}

using Kind = TypedNumber::Kind;
INSTANTIATE_TEST_SUITE_P(
    Answers, TypedAnswers,
    testing::Values(TypedRow{"Whole", " 12 ", ".", Kind::Number, 12},
                    TypedRow{"Comma", "2,5", ",", Kind::Number, 2.5},
                    TypedRow{"PointBesideComma", "2.5", ",", Kind::Number, 2.5},
                    TypedRow{"CommaWithoutIt", "2,5", ".", Kind::NotNumber, 0},
                    TypedRow{"Signed", "-3", ".", Kind::Number, -3},
                    TypedRow{"PlusAlone", "+", ".", Kind::NotNumber, 0},
                    TypedRow{"Trailing", "12abc", ".", Kind::NotNumber, 0},
                    TypedRow{"TwoPoints", "1.2.3", ".", Kind::NotNumber, 0},
                    TypedRow{"Infinity", "∞", ".", Kind::Number, inf},
                    TypedRow{"Blank", " 	", ".", Kind::Empty, 0}),
    reference::rowName);

TEST(DistanceText, NoPathAndInfinityReadAlike)
{
    EXPECT_EQ(distanceText(std::nullopt), kInfinityText);
    EXPECT_EQ(distanceText(inf), kInfinityText);
    EXPECT_EQ(distanceText(2.5, ","), "2,5");
    EXPECT_EQ(floydCellText(std::nullopt), formatGeneral(kNoPath));
    EXPECT_EQ(readBackNumber(formatGeneral(-inf), "."), -inf);
}

} // namespace
