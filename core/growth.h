#pragma once

#include "core/timing.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief The seed of the growth chart's networks, one generatedNetwork per size.
inline constexpr std::uint64_t kGrowthSeed = 2003;

/// @brief The node counts of the growth chart: 4 to 384, each about 1.5 times the one before.
const std::vector<int>& growthSizes();

/// @brief The four searches of the growth chart, in the order of its curves and columns.
enum class GrowthSearch
{
    DijkstraFromOne,
    DijkstraFromEveryNode,
    FloydWarshall,
    /// @brief From node 1 with all n - 1 passes (bellmanFordAllPasses): its bound, not its luck.
    BellmanFord,
};
inline constexpr int kGrowthSearchCount = 4;

/// @brief "Dijkstra dari simpul 1", "Dijkstra dari setiap simpul", "Floyd–Warshall",
/// "Bellman–Ford (n − 1 putaran)".
std::string_view growthSearchName(GrowthSearch search);

/// @brief One size measured: the median time of each search, and whether they all agree.
struct GrowthRow
{
    int nodeCount = 0;
    double seconds[kGrowthSearchCount] = {};
    /// @brief Dijkstra and Bellman–Ford from node 1 equal row 1 of both matrices, and Dijkstra
    /// from every node equals Floyd–Warshall in every cell.
    bool agree = false;

    double secondsOf(GrowthSearch search) const { return seconds[int(search)]; }
};

/// @brief What a measurement asks of its caller; every member may be empty.
struct GrowthControl
{
    PreciseClock clock;
    std::function<bool()> cancelled; ///< asked between batches; ends the measurement early
    std::function<void(int done, int total)> progress; ///< after each search of each size
    TimingLimits limits;
    /// @brief Passes over all sizes. Another program busy for a moment slows every repeat of the
    /// one search it meets; in passes seconds apart it meets that search only once.
    int rounds = 3;
};

/// @brief Measures the four searches on the generated network of each of @p sizes, in order,
/// in control.rounds passes; each time is the median of the passes' medians of repeats. A
/// cancelled measurement returns the sizes whose four searches were timed in at least one pass.
std::vector<GrowthRow> measureGrowth(std::span<const int> sizes, const GrowthControl& control);

/// @brief Whether the four searches agree on the generated network of @p nodeCount nodes.
bool searchesAgree(int nodeCount, std::uint64_t seed = kGrowthSeed);

/// @brief The smallest node count from which fittedSlope fits its line: below it the work of
/// setting a search up outweighs the search itself.
inline constexpr int kSlopeFromNodes = 32;

/// @brief The slope of the least-squares line through log(time) against log(nodes) over the rows
/// with at least @p fromNodes nodes: about 1 for Dijkstra from one node on these sparse networks,
/// 2 from every node and for Bellman–Ford, 3 for Floyd–Warshall. 0 where fewer than two rows
/// qualify.
double fittedSlope(std::span<const GrowthRow> rows, GrowthSearch search,
                   int fromNodes = kSlopeFromNodes);

/// @brief The column names of the measured rows, as the CSV's header and the chart's table say them.
std::vector<std::string> growthTableHeader();
/// @brief One measured row's fields, as the CSV and the chart's table give them.
std::vector<std::string> growthTableFields(const GrowthRow& row, std::string_view decimalSeparator);

/// @brief The rows as CSV for a spreadsheet: a header row, then one row per size with the node
/// count, the four times in seconds (general format with @p decimalSeparator) and "ya" or
/// "tidak" for the agreement; lines end in CR LF.
std::string growthCsv(std::span<const GrowthRow> rows, std::string_view decimalSeparator);

} // namespace trayeko
