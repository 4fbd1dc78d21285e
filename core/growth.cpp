#include "core/growth.h"

#include "core/allpairs.h"
#include "core/bellmanford.h"
#include "core/floydcsv.h"
#include "core/generatednetwork.h"
#include "core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace trayeko {

namespace {

bool agreeOn(const Digraph& graph)
{
    const DistanceMatrix floyd = floydWarshall(graph);
    const std::vector<double> fromOne = dijkstra(graph, 1).distance;
    const auto n = std::size_t(graph.nodeCount());
    const bool rowOne = std::equal(fromOne.begin(), fromOne.end(), floyd.cells.begin(),
                                   floyd.cells.begin() + std::ptrdiff_t(n));
    return rowOne && bellmanFordAllPasses(graph, 1) == fromOne &&
           dijkstraFromEveryNode(graph) == floyd;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

} // namespace

const std::vector<int>& growthSizes()
{
    static const std::vector<int> sizes{4, 6, 8, 12, 16, 24, 32, 48, 64, 96, 128, 192, 256, 384};
    return sizes;
}

std::string_view growthSearchName(GrowthSearch search)
{
    switch (search) {
    case GrowthSearch::DijkstraFromOne:
        return "Dijkstra dari simpul 1";
    case GrowthSearch::DijkstraFromEveryNode:
        return "Dijkstra dari setiap simpul";
    case GrowthSearch::FloydWarshall:
        return "Floyd\u2013Warshall";
    case GrowthSearch::BellmanFord:
        break;
    }
    return "Bellman\u2013Ford (n \u2212 1 putaran)";
}

bool searchesAgree(int nodeCount, std::uint64_t seed)
{
    return agreeOn(Digraph(generatedNetwork(nodeCount, seed)));
}

std::vector<GrowthRow> measureGrowth(std::span<const int> sizes, const GrowthControl& control)
{
    const auto stopped = [&] { return control.cancelled && control.cancelled(); };
    const int rounds = std::max(control.rounds, 1);
    const int total = rounds * int(sizes.size()) * kGrowthSearchCount;
    std::vector<Digraph> graphs;
    std::vector<GrowthRow> rows;
    for (const int n : sizes) {
        graphs.emplace_back(generatedNetwork(n, kGrowthSeed));
        rows.push_back({n, {}, agreeOn(graphs.back())});
    }
    // The time of every pass, by size and search.
    std::vector<std::vector<double>> passes(sizes.size() * kGrowthSearchCount);
    int done = 0;
    for (int round = 0; round < rounds && !stopped(); ++round)
        for (std::size_t i = 0; i < graphs.size() && !stopped(); ++i) {
            const Digraph& graph = graphs[i];
            // Each search keeps its result where the optimiser cannot drop the work.
            ShortestPathTree tree;
            DistanceMatrix matrix;
            std::vector<double> distances;
            const std::function<void()> searches[kGrowthSearchCount] = {
                [&] { tree = dijkstra(graph, 1); },
                [&] { matrix = dijkstraFromEveryNode(graph); },
                [&] { matrix = floydWarshall(graph); },
                [&] { distances = bellmanFordAllPasses(graph, 1); },
            };
            for (int s = 0; s < kGrowthSearchCount; ++s) {
                const Timing timing =
                    timeSearch(searches[s], control.clock, control.limits, control.cancelled);
                if (stopped())
                    break;
                passes[i * kGrowthSearchCount + std::size_t(s)].push_back(timing.seconds);
                if (control.progress)
                    control.progress(++done, total);
            }
        }

    std::vector<GrowthRow> measured;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (passes[i * kGrowthSearchCount + kGrowthSearchCount - 1].empty())
            break;
        for (std::size_t s = 0; s < kGrowthSearchCount; ++s)
            rows[i].seconds[s] = median(passes[i * kGrowthSearchCount + s]);
        measured.push_back(rows[i]);
    }
    return measured;
}

double fittedSlope(std::span<const GrowthRow> rows, GrowthSearch search, int fromNodes)
{
    double sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
    int count = 0;
    for (const GrowthRow& row : rows) {
        const double t = row.secondsOf(search);
        if (row.nodeCount < fromNodes || !(t > 0))
            continue;
        const double x = std::log(double(row.nodeCount));
        const double y = std::log(t);
        sumX += x, sumY += y, sumXX += x * x, sumXY += x * y;
        ++count;
    }
    const double spread = count * sumXX - sumX * sumX;
    if (count < 2 || !(spread > 0))
        return 0;
    return (count * sumXY - sumX * sumY) / spread;
}

std::vector<std::string> growthTableHeader()
{
    std::vector<std::string> header{"Simpul"};
    for (int s = 0; s < kGrowthSearchCount; ++s)
        header.push_back(std::string(growthSearchName(GrowthSearch(s))) + " (detik)");
    header.push_back("Sepakat");
    return header;
}

std::vector<std::string> growthTableFields(const GrowthRow& row, std::string_view decimalSeparator)
{
    std::vector<std::string> fields{std::to_string(row.nodeCount)};
    for (const double seconds : row.seconds)
        fields.push_back(formatGeneral(seconds, decimalSeparator));
    fields.push_back(row.agree ? "ya" : "tidak");
    return fields;
}

std::string growthCsv(std::span<const GrowthRow> rows, std::string_view decimalSeparator)
{
    CsvWriter csv(csvFieldSeparator(decimalSeparator));
    csv.row(growthTableHeader());
    for (const GrowthRow& row : rows)
        csv.row(growthTableFields(row, decimalSeparator));
    return csv.take();
}

} // namespace trayeko
