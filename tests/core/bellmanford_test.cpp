#include "core/bellmanford.h"
#include "core/numbertext.h"
#include "core/splitmix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace trayeko;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

Network makeNetwork(int nodes, std::vector<NetworkLink> links)
{
    return Network(nodes, links);
}

// Dijkstra fixes node 2 at 2 before it meets 3 → 2 (-4), which makes node 2 only 1 away.
Network earlyFix()
{
    return makeNetwork(4, {{1, 2, 2}, {1, 3, 5}, {3, 2, -4}, {2, 4, 1}});
}

// 2 → 3 → 4 → 2 weighs 1 - 3 + 1 = -1, reachable from node 1; node 5 is not reachable.
Network withCycle()
{
    return makeNetwork(5, {{1, 2, 4}, {2, 3, 1}, {3, 4, -3}, {4, 2, 1}, {5, 1, 1}});
}

// Brute force, independent of the passes: every simple path from the start, and whether a simple
// cycle of negative weight can be reached from it.
struct Reference
{
    std::vector<double> distance;
    bool negativeCycle = false;
};

Reference reference(const Network& network, int start)
{
    const int n = network.nodeCount();
    Reference ref{std::vector<double>(std::size_t(n), inf), false};
    std::vector<bool> onPath(std::size_t(n), false);
    std::vector<bool> reachable(std::size_t(n), false);
    std::function<void(int, double)> walk = [&](int node, double length) {
        reachable[at(node)] = true;
        ref.distance[at(node)] = std::min(ref.distance[at(node)], length);
        onPath[at(node)] = true;
        for (const NetworkLink& link : network.links())
            if (link.from == node && !onPath[at(link.to)])
                walk(link.to, length + link.weight);
        onPath[at(node)] = false;
    };
    walk(start, 0);
    // A negative simple cycle through a reachable node: from each reachable node, every simple
    // path back to it.
    for (int first = 1; first <= n && !ref.negativeCycle; ++first) {
        if (!reachable[at(first)])
            continue;
        std::function<void(int, double)> round = [&](int node, double length) {
            onPath[at(node)] = true;
            for (const NetworkLink& link : network.links()) {
                if (link.from != node)
                    continue;
                if (link.to == first && length + link.weight < 0)
                    ref.negativeCycle = true;
                else if (!onPath[at(link.to)])
                    round(link.to, length + link.weight);
            }
            onPath[at(node)] = false;
        };
        round(first, 0);
    }
    return ref;
}

TEST(BellmanFord, MatchesBruteForceOnRandomNetworksWithNegativeWeights)
{
    SplitMix64 random(20261210);
    int cycles = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 2 + random.below(5);
        Network network(n);
        for (int from = 1; from <= n; ++from)
            for (int to = 1; to <= n; ++to)
                if (from != to && random.below(100) < 40)
                    network.addLink(from, to, double(random.below(15) - 4));
        const int start = 1 + random.below(n);
        const BellmanFordResult result = bellmanFord(network, start);
        const Reference ref = reference(network, start);
        SCOPED_TRACE("trial " + std::to_string(trial));
        ASSERT_EQ(result.negativeCycle.has_value(), ref.negativeCycle);
        if (ref.negativeCycle) {
            ++cycles;
            const NegativeCycle& cycle = *result.negativeCycle;
            EXPECT_LT(cycle.weight, 0);
            double sum = 0;
            for (std::size_t i = 0; i < cycle.nodes.size(); ++i) {
                const NetworkLink& link = network.link(cycle.links[i]);
                EXPECT_EQ(link.from, cycle.nodes[i]);
                EXPECT_EQ(link.to, cycle.nodes[(i + 1) % cycle.nodes.size()]);
                sum += link.weight;
            }
            EXPECT_EQ(sum, cycle.weight);
            continue;
        }
        EXPECT_EQ(result.distance, ref.distance);
        // The growth chart's kernel, every pass made, ends on the same distances.
        EXPECT_EQ(bellmanFordAllPasses(Digraph(network), start), ref.distance);
        for (int node = 1; node <= n; ++node) {
            const std::vector<int> route = bellmanFordRoute(result, node);
            if (std::isinf(ref.distance[at(node)])) {
                EXPECT_TRUE(route.empty());
                continue;
            }
            double length = 0;
            for (std::size_t i = 0; i + 1 < route.size(); ++i)
                length += network.link(network.findLink(route[i], route[i + 1])).weight;
            EXPECT_EQ(length, ref.distance[at(node)]) << "route to " << node;
        }
        // The method never needs more than n - 1 passes, and stops after the first still one.
        EXPECT_LE(int(result.passes.size()), std::max(0, n - 1));
        if (result.stoppedEarly) {
            EXPECT_TRUE(result.passes.back().relaxedLinks.empty());
        }
    }
    EXPECT_GT(cycles, 20) << "the random networks should exercise both outcomes";
}

TEST(BellmanFord, PassesRelaxInLinkOrderAndStopWhenNothingChanges)
{
    const BellmanFordResult result = bellmanFord(earlyFix(), 1);
    ASSERT_EQ(result.passes.size(), 2u);
    EXPECT_TRUE(result.stoppedEarly);
    // In the first pass node 2 is lowered twice (by 1 → 2, then by 3 → 2) and node 4 after it.
    EXPECT_EQ(result.passes[0].relaxedLinks, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(result.passes[0].distance, (std::vector<double>{0, 1, 5, 2}));
    EXPECT_TRUE(result.passes[1].relaxedLinks.empty());
    EXPECT_EQ(bellmanFordRoute(result, 4), (std::vector<int>{1, 3, 2, 4}));
}

TEST(BellmanFord, NamesTheReachableNegativeCycle)
{
    const Network network = withCycle();
    const BellmanFordResult result = bellmanFord(network, 1);
    ASSERT_TRUE(result.negativeCycle);
    EXPECT_FALSE(result.stoppedEarly);
    EXPECT_TRUE(bellmanFordRoute(result, 3).empty());
    NegativeCycle cycle = *result.negativeCycle;
    std::rotate(cycle.nodes.begin(),
                std::find(cycle.nodes.begin(), cycle.nodes.end(), 2), cycle.nodes.end());
    EXPECT_EQ(cycle.nodes, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(cycle.weight, -1);
    EXPECT_EQ(negativeCycleText(network, cycle), "Siklus negatif: 2 → 3 → 4 → 2, total bobot -1");
    // A cycle the start cannot reach leaves the distances true.
    const BellmanFordResult apart = bellmanFord(makeNetwork(3, {{2, 3, 1}, {3, 2, -5}}), 1);
    EXPECT_FALSE(apart.negativeCycle);
    EXPECT_EQ(apart.distance, (std::vector<double>{0, inf, inf}));
}

TEST(BellmanFord, FindsTheStepWhereDijkstraFixedANodeTooEarly)
{
    const Network network = earlyFix();
    const std::optional<DijkstraMistake> mistake = firstDijkstraMistake(network, 1);
    ASSERT_TRUE(mistake);
    EXPECT_EQ(mistake->step, 1u);
    EXPECT_EQ(mistake->node, 2);
    EXPECT_EQ(mistake->fixedDistance, 2);
    EXPECT_EQ(mistake->trueDistance, 1);
    EXPECT_EQ(mistake->negativeLink, 3);
    EXPECT_EQ(dijkstraMistakeText(network, *mistake),
              "Langkah 2: Dijkstra menetapkan simpul 2 dengan jarak 2, padahal rute 1 → 3 → 2 "
              "lewat jalur negatif 3 → 2 (bobot -4) hanya 1.");

    EXPECT_FALSE(firstDijkstraMistake(makeNetwork(3, {{1, 2, 2}, {2, 3, -1}}), 1));
    EXPECT_FALSE(firstDijkstraMistake(withCycle(), 1));
}

struct BuildRow
{
    const char* name;
    Network network;
    bool qualifies;
    const char* reasonStart;
};

class BuildExercise : public testing::TestWithParam<BuildRow>
{};

TEST_P(BuildExercise, SaysWhetherTheNetworkShowsDijkstraGoingWrong)
{
    const BuildCheck check = checkDijkstraBreaker(GetParam().network, 1, ",");
    EXPECT_EQ(check.qualifies, GetParam().qualifies);
    EXPECT_EQ(check.reason.rfind(GetParam().reasonStart, 0), 0u) << check.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuildExercise,
    testing::Values(
        BuildRow{"Qualifies", earlyFix(), true,
                 "Memenuhi: tanpa siklus negatif, Dijkstra dan Bellman–Ford berbeda pada simpul 2 "
                 "(Dijkstra 2, Bellman–Ford 1) dan simpul 4 (Dijkstra 3, Bellman–Ford 2)."},
        BuildRow{"NoNegativeWeight", makeNetwork(3, {{1, 2, 1}, {2, 3, 2}}), false,
                 "Tidak memenuhi: semua bobot 0 atau lebih"},
        BuildRow{"NegativeButHarmless", makeNetwork(3, {{1, 2, 2}, {2, 3, -1}}), false,
                 "Tidak memenuhi: ada bobot negatif, tetapi"},
        BuildRow{"NegativeCycle", withCycle(), false,
                 "Tidak memenuhi: ada siklus negatif yang terjangkau dari simpul 1 (Siklus negatif:"},
        BuildRow{"NotANumber", makeNetwork(2, {{1, 2, inf}}), false,
                 "Tidak memenuhi: bobot jalur 1 bukan bilangan terhingga."},
        BuildRow{"DecimalComma", makeNetwork(3, {{1, 2, 1.5}, {1, 3, 2}, {3, 2, -1}}), true,
                 "Memenuhi: tanpa siklus negatif, Dijkstra dan Bellman–Ford berbeda pada simpul 2 "
                 "(Dijkstra 1,5, Bellman–Ford 1)."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BellmanFordExercise, GradesEveryNodesDistanceAfterAPass)
{
    const Network network = earlyFix();
    using Texts = std::vector<std::string>;
    EXPECT_EQ(gradeBellmanFordPass(network, 1, 1, Texts{"0", "1", "5", "2"}).verdict,
              Verdict::Right);
    const Grade wrong = gradeBellmanFordPass(network, 1, 1, Texts{"0", "2", "5", "3"});
    EXPECT_EQ(wrong.verdict, Verdict::Wrong);
    EXPECT_EQ(wrong.reason, "Putaran 1: simpul 2 seharusnya 1 dan simpul 4 seharusnya 2.");
    EXPECT_EQ(gradeBellmanFordPass(network, 1, 1, Texts{"0", "1", "abc", "2"}).verdict,
              Verdict::Nonsense);
    EXPECT_EQ(gradeBellmanFordPass(network, 1, 3, Texts{"0", "1", "5", "2"}).verdict,
              Verdict::Nonsense);
    EXPECT_EQ(gradeBellmanFordPass(network, 1, 1, Texts{"0", "1"}).verdict, Verdict::Nonsense);
    // Before a node is reached its distance is "∞".
    const Network chain = makeNetwork(3, {{2, 3, 1}, {1, 2, 1}});
    EXPECT_EQ(gradeBellmanFordPass(chain, 1, 1, Texts{"0", "1", "∞"}).verdict, Verdict::Right);
}

struct PassTextRow
{
    const char* name;
    Network network;
    int pass; // 0: the closing text
    int end;
    const char* text;
};

class PassTexts : public testing::TestWithParam<PassTextRow>
{};

TEST_P(PassTexts, SayWhatEachPassAndTheEndDid)
{
    const PassTextRow& row = GetParam();
    const BellmanFordResult result = bellmanFord(row.network, 1);
    EXPECT_EQ(row.pass == 0 ? bellmanFordClosingText(row.network, result, row.end, ",")
                            : bellmanFordPassText(row.network, result, row.pass, ","),
              row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PassTexts,
    testing::Values(
        // Node 2 lowered twice in the pass is named once, with its last distance.
        PassTextRow{"LoweredTwiceNamedOnce", earlyFix(), 1, 4,
                    "Putaran 1 dari paling banyak 3: jalur 1 → 2, 1 → 3, 3 → 2, 2 → 4 menurunkan "
                    "jarak: d[2] = 1, d[3] = 5, d[4] = 2."},
        PassTextRow{"NothingChanged", earlyFix(), 2, 4,
                    "Putaran 2 tidak mengubah apa pun: selesai lebih awal."},
        PassTextRow{"BeyondTheLastPass", earlyFix(), 3, 4, ""},
        PassTextRow{"EarlyStopWithRoute", earlyFix(), 0, 4,
                    "Putaran 2 tidak mengubah apa pun: selesai lebih awal. Jarak terpendek dari "
                    "simpul 1 ke simpul 4: 2 (1 → 3 → 2 → 4)."},
        PassTextRow{"DecimalComma", makeNetwork(2, {{1, 2, -1.5}}), 0, 2,
                    "Putaran tambahan tidak menurunkan jarak apa pun: tidak ada siklus negatif. "
                    "Jarak terpendek dari simpul 1 ke simpul 2: -1,5 (1 → 2)."},
        PassTextRow{"Unreachable", makeNetwork(3, {{1, 2, 1}}), 0, 3,
                    "Putaran 2 tidak mengubah apa pun: selesai lebih awal. Simpul 3 tidak "
                    "terjangkau dari simpul 1."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BellmanFord, ClosingTextNamesTheCycleAndNoDistance)
{
    const Network network = withCycle();
    const BellmanFordResult result = bellmanFord(network, 1);
    const std::string text = bellmanFordClosingText(network, result, 3);
    EXPECT_EQ(text.rfind("Putaran tambahan masih menurunkan jarak, jadi ada siklus negatif yang "
                         "terjangkau dari simpul 1. Siklus negatif: ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("total bobot -1"), std::string::npos) << text;
    EXPECT_EQ(text.find("Jarak terpendek"), std::string::npos) << text;
    EXPECT_EQ(bellmanFordPseudoCode(5, "1")[2], "untuk putaran i ← 1 sampai 4:");
}

} // namespace

namespace {

struct SummaryRow
{
    const char* name;
    Network network;
    std::string title;
    std::string student;
    std::vector<std::string> lines; // whole lines the summary holds, in this order
    bool qualifies;
};

class BuildSummaries : public testing::TestWithParam<SummaryRow>
{
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
        lines.push_back(text.substr(from, end - from));
    EXPECT_EQ(from, text.size()) << "the last line ends with a line break";
    return lines;
}

} // namespace

TEST_P(BuildSummaries, HoldTheLinesThatMatter)
{
    const SummaryRow& row = GetParam();
    const std::string text = buildExerciseSummary(row.network, 1, row.title,
                                                  {row.student, "2026-03-02 09:30"}, ",");
    const std::vector<std::string> lines = linesOf(text);
    auto next = lines.begin();
    for (const std::string& expected : row.lines) {
        next = std::find(next, lines.end(), expected);
        ASSERT_NE(next, lines.end()) << "missing or out of order: " << expected << "\n" << text;
    }
    // The differences and Dijkstra's step stand only under a network that qualifies.
    EXPECT_EQ(text.find("Jarak yang berbeda:") != std::string::npos, row.qualifies) << text;
    EXPECT_EQ(text.find("Di sini Dijkstra salah: Langkah ") != std::string::npos, row.qualifies);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuildSummaries,
    testing::Values(
        SummaryRow{"Qualifies", earlyFix(), "Kelas 3", "  Ani\n",
                   {"Latihan: buat jaringan", "Nama siswa: Ani", "Tanggal: 2026-03-02 09:30",
                    "Jaringan: Kelas 3", "Simpul awal: 1", "1 → 2: 2", "3 → 2: -4", "2 → 4: 1",
                    "Memenuhi: tanpa siklus negatif, Dijkstra dan Bellman–Ford berbeda pada "
                    "simpul 2 (Dijkstra 2, Bellman–Ford 1) dan simpul 4 (Dijkstra 3, "
                    "Bellman–Ford 2).",
                    "- simpul 2: Dijkstra 2, Bellman–Ford 1",
                    "- simpul 4: Dijkstra 3, Bellman–Ford 2",
                    "Di sini Dijkstra salah: Langkah 2: Dijkstra menetapkan simpul 2 dengan jarak "
                    "2, padahal rute 1 → 3 → 2 lewat jalur negatif 3 → 2 (bobot -4) hanya 1."},
                   true},
        // A title read from a file may hold a line break; it stays one line.
        SummaryRow{"NegativeCycle", withCycle(), "Siklus\nnegatif", "",
                   {"Nama siswa: (tidak diisi)", "Jaringan: Siklus negatif", "3 → 4: -3",
                    "Tidak memenuhi: ada siklus negatif yang terjangkau dari simpul 1 (Siklus "
                    "negatif: 2 → 3 → 4 → 2, total bobot -1), jadi tidak ada jarak terpendek "
                    "untuk dibandingkan."},
                   false},
        SummaryRow{"DijkstraRight", makeNetwork(3, {{1, 2, 2.5}, {2, 3, -1}}), "", "Budi",
                   {"Jaringan: Tanpa judul", "1 → 2: 2,5", "2 → 3: -1",
                    "Tidak memenuhi: ada bobot negatif, tetapi Dijkstra tetap menemukan jarak "
                    "yang sama dengan Bellman–Ford untuk setiap simpul."},
                   false},
        SummaryRow{"NoLinksNoStart", makeNetwork(0, {}), "", "Budi",
                   {"Jalur: belum ada", "Tidak memenuhi: simpul awal 1 tidak ada."}, false}),
    [](const auto& info) { return std::string(info.param.name); });
