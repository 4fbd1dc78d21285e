// The computing core alone, without any window: the per-call cost of the number texts and the
// work behind a Dijkstra and a Floyd run.
#include "core/demonetwork.h"
#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/routes.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string>

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

} // namespace

BENCHMARK_MAIN();
