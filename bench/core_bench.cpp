// The computing core alone, without any window: the per-call cost of the number texts and the
// work behind a Dijkstra and a Floyd run; the comparison window's searches at 400 nodes beside
// the plain loops of a textbook, Bellman–Ford's growth, and the growth chart's whole measurement.
#include "core/allpairs.h"
#include "core/bellmanford.h"
#include "core/demonetwork.h"
#include "core/floyd.h"
#include "core/generatednetwork.h"
#include "core/growth.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "core/splitmix.h"

#include <array>
#include <benchmark/benchmark.h>
#include <functional>
#include <limits>
#include <queue>
#include <string>
#include <utility>
#include <vector>

namespace {

// Texts as they come from weight boxes and back from total boxes.
const std::array<std::string, 6> kTexts = {"12",   "3.75",     " 1 2 5 abc",
                                           "&H1F", "1.5E+300", "-0.001"};

void parseLeadingNumber(benchmark::State& state)
{
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::parseLeadingNumber(kTexts[i++ % kTexts.size()]));
}
BENCHMARK(parseLeadingNumber);

void formatGeneral(benchmark::State& state)
{
    static constexpr std::array<double, 6> kValues = {12, 3.75, 1.0 / 3, 1e15, 1.5e-5, -2500.125};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::formatGeneral(kValues[i++ % kValues.size()], ","));
}
BENCHMARK(formatGeneral);

void routeTotalsAndChoice(benchmark::State& state)
{
    const trayeko::LinkWeights weights = trayeko::defaultWeights();
    for (auto _ : state) {
        const auto totals = trayeko::computeRouteTotals(weights, ".");
        benchmark::DoNotOptimize(trayeko::selectShortestRoute(totals, "."));
    }
}
BENCHMARK(routeTotalsAndChoice);

void floydListing(benchmark::State& state)
{
    const trayeko::LinkWeights weights = trayeko::defaultWeights();
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::listFloydMatrices(weights, "."));
}
BENCHMARK(floydListing);

// The comparison's searches on the growth chart's network of 400 nodes.
constexpr int kNodes = 400;
const std::vector<trayeko::WeightedEdge>& network400()
{
    static const std::vector<trayeko::WeightedEdge> edges =
        trayeko::generatedNetwork(kNodes, trayeko::kGrowthSeed).links();
    return edges;
}

void dijkstraCore(benchmark::State& state)
{
    const trayeko::Digraph graph(kNodes, network400());
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::dijkstra(graph, 1));
}
BENCHMARK(dijkstraCore);

// The textbook loop: a vector of neighbour lists, std::priority_queue, distances only.
void dijkstraReference(benchmark::State& state)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<std::vector<std::pair<int, double>>> next(kNodes);
    for (const trayeko::WeightedEdge& e : network400())
        next[std::size_t(e.from - 1)].push_back({e.to - 1, e.weight});
    for (auto _ : state) {
        std::vector<double> d(kNodes, inf);
        using Entry = std::pair<double, int>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
        d[0] = 0;
        queue.push({0.0, 0});
        while (!queue.empty()) {
            const auto [du, u] = queue.top();
            queue.pop();
            if (du > d[std::size_t(u)])
                continue;
            for (const auto& [v, w] : next[std::size_t(u)])
                if (du + w < d[std::size_t(v)]) {
                    d[std::size_t(v)] = du + w;
                    queue.push({du + w, v});
                }
        }
        benchmark::DoNotOptimize(d.data());
    }
}
BENCHMARK(dijkstraReference);

void floydCore(benchmark::State& state)
{
    const trayeko::Digraph graph(kNodes, network400());
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::floydWarshall(graph));
}
BENCHMARK(floydCore)->Unit(benchmark::kMillisecond);

// The textbook loop: a matrix of rows, the three nested loops with their comparison.
void floydReference(benchmark::State& state)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        std::vector<std::vector<double>> d(kNodes, std::vector<double>(kNodes, inf));
        for (int i = 0; i < kNodes; ++i)
            d[std::size_t(i)][std::size_t(i)] = 0;
        for (const trayeko::WeightedEdge& e : network400())
            d[std::size_t(e.from - 1)][std::size_t(e.to - 1)] = e.weight;
        for (std::size_t k = 0; k < kNodes; ++k)
            for (std::size_t i = 0; i < kNodes; ++i)
                for (std::size_t j = 0; j < kNodes; ++j)
                    if (d[i][k] + d[k][j] < d[i][j])
                        d[i][j] = d[i][k] + d[k][j];
        benchmark::DoNotOptimize(d.data());
    }
}
BENCHMARK(floydReference)->Unit(benchmark::kMillisecond);

// Bellman–Ford with every pass, as the growth chart times it, on the same 400 nodes.
void bellmanFordCore(benchmark::State& state)
{
    const trayeko::Digraph graph(kNodes, network400());
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::bellmanFordAllPasses(graph, 1));
}
BENCHMARK(bellmanFordCore)->Unit(benchmark::kMillisecond);

// Its growth is nodes × links: the power Google Benchmark fits ("_BigO") is N^2 on the chart's
// sparse networks and N^3 where every node links to every other.
void bellmanFordGrowthSparse(benchmark::State& state)
{
    const int n = int(state.range(0));
    const trayeko::Digraph graph(trayeko::generatedNetwork(n, trayeko::kGrowthSeed));
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::bellmanFordAllPasses(graph, 1));
    state.SetComplexityN(n);
}
BENCHMARK(bellmanFordGrowthSparse)->RangeMultiplier(2)->Range(32, 512)->Complexity();

void bellmanFordGrowthDense(benchmark::State& state)
{
    const int n = int(state.range(0));
    trayeko::SplitMix64 random(trayeko::kGrowthSeed);
    std::vector<trayeko::WeightedEdge> edges;
    for (int from = 1; from <= n; ++from)
        for (int to = 1; to <= n; ++to)
            if (from != to)
                edges.push_back({from, to, double(1 + random.below(trayeko::kGeneratedMaxWeight))});
    const trayeko::Digraph graph(n, edges);
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::bellmanFordAllPasses(graph, 1));
    state.SetComplexityN(n);
}
BENCHMARK(bellmanFordGrowthDense)
    ->RangeMultiplier(2)
    ->Range(16, 256)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

// What "Grafik waktu..." measures from opening to the finished chart, on one worker thread.
void growthMeasurement(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(trayeko::measureGrowth(trayeko::growthSizes(), {}));
}
BENCHMARK(growthMeasurement)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
