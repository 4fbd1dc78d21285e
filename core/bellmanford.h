#pragma once

#include "core/exercise.h"
#include "core/network.h"
#include "core/shortestpath.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief One pass of Bellman–Ford: every link relaxed once, in the order of their numbers, and
/// the state after it. A distance lowered early in a pass is used by the links after it in the
/// same pass, as the method is taught.
struct BellmanFordPass
{
    std::vector<double> distance;  ///< after the pass, node 1 first; kNoPath where unknown
    std::vector<int> previous;     ///< the node before each on its best route so far, 0 for none
    std::vector<int> relaxedLinks; ///< the links that lowered a distance, in the order they did
};

/// @brief A cycle whose links weigh less than nothing together: its nodes in travel order (the
/// first not repeated at the end), its links in the same order and their total.
struct NegativeCycle
{
    std::vector<int> nodes;
    std::vector<int> links;
    double weight = 0;
};

/// @brief What Bellman–Ford finds from one node.
struct BellmanFordResult
{
    int start = 0;
    /// @brief The passes made: at most nodeCount - 1, fewer where a pass changed nothing (that
    /// pass is the last one listed). None where the start is no node.
    std::vector<BellmanFordPass> passes;
    /// @brief Whether the method stopped because a pass changed nothing.
    bool stoppedEarly = false;
    /// @brief A negative cycle reachable from the start, found by the extra pass after
    /// nodeCount - 1 passes that all changed something; the distances are then no true ones.
    std::optional<NegativeCycle> negativeCycle;

    /// @brief The distances after the last pass (all kNoPath where there was none).
    std::vector<double> distance;
    std::vector<int> previous;
};

/// @brief Bellman–Ford from @p start (1 ... nodeCount) over @p network, any weight allowed.
BellmanFordResult bellmanFord(const Network& network, int start);

/// @brief Bellman–Ford's distances alone from @p source over @p graph's edges in their order, with
/// every one of its nodeCount - 1 passes and no early stop: the method at its bound of nodes ×
/// links relaxations, as the growth chart times it. +infinity where a node cannot be reached;
/// a negative cycle is not looked for.
std::vector<double> bellmanFordAllPasses(const Digraph& graph, int source);

/// @brief The route the result holds from its start to @p target, as nodes; empty where
/// @p target is not reached, or where a negative cycle makes routes meaningless.
std::vector<int> bellmanFordRoute(const BellmanFordResult& result, int target);

/// @brief "Siklus negatif: 2 → 3 → 4 → 2, total bobot -3": the cycle named by its nodes'
/// labels in order, back to the first, with its total.
std::string negativeCycleText(const Network& network, const NegativeCycle& cycle,
                              std::string_view decimalSeparator = ".");

/// @brief The method's pseudo-code from @p start on a network of @p nodeCount nodes: the lines a
/// lesson marks as each pass runs (1 ... 3 the start, 4 ... 8 a pass, 9 the early stop, 10 ... 11
/// the extra pass).
std::vector<std::string> bellmanFordPseudoCode(int nodeCount, std::string_view startLabel);

/// @brief What pass @p pass (1 ...) of @p result did: "Putaran 2 dari paling banyak 4: jalur
/// 1 → 3, 3 → 2 menurunkan jarak: d[3] = 5, d[2] = 1." A pass that changed nothing says
/// "Putaran k tidak mengubah apa pun: selesai lebih awal."
std::string bellmanFordPassText(const Network& network, const BellmanFordResult& result, int pass,
                                std::string_view decimalSeparator = ".");

/// @brief How the run ended, for its last frame: the early stop or the extra pass, and then the
/// distance and route to @p end; where a negative cycle was found, the cycle named and no
/// distance given as if it were true.
std::string bellmanFordClosingText(const Network& network, const BellmanFordResult& result,
                                   int end, std::string_view decimalSeparator = ".");

/// @brief The step where Dijkstra's method, run on weights some of which are negative, fixed a
/// node too early: the distance it fixed, and the shorter one found later through a negative
/// link.
struct DijkstraMistake
{
    std::size_t step = 0;       ///< the round that fixed the node, 0 for the first
    int node = 0;
    double fixedDistance = 0;   ///< what Dijkstra fixed
    double trueDistance = 0;    ///< what Bellman–Ford finds
    std::vector<int> trueRoute; ///< Bellman–Ford's route to the node, from the start
    int negativeLink = 0;       ///< the first negative link on that route
};

/// @brief The first step at which Dijkstra's method, as step mode plays it (a fixed node is never
/// changed again), fixes a node at more than its true distance; empty where every node is fixed
/// at its true distance, or where a negative cycle leaves no true distance.
std::optional<DijkstraMistake> firstDijkstraMistake(const Network& network, int start);

/// @brief "Langkah 3: Dijkstra menetapkan simpul 4 dengan jarak 5, padahal rute 1 → 2 → 4
/// lewat jalur negatif 2 → 4 (bobot -4) hanya 1."
std::string dijkstraMistakeText(const Network& network, const DijkstraMistake& mistake,
                                std::string_view decimalSeparator = ".");

/// @brief Whether a network a student built shows Dijkstra going wrong: every weight a finite
/// number, no negative cycle reachable from @p start, and at least one node whose distance by
/// Dijkstra's method differs from Bellman–Ford's. The reason says why, with the numbers.
struct BuildCheck
{
    bool qualifies = false;
    std::string reason;
};
BuildCheck checkDijkstraBreaker(const Network& network, int start,
                                std::string_view decimalSeparator = ".");

/// @brief A node whose distance by Dijkstra's method as taught (a fixed node never changes)
/// differs from Bellman–Ford's.
struct DistanceDifference
{
    int node = 0;
    double dijkstra = 0;
    double bellmanFord = 0;
};

/// @brief Every node, node 1 first, whose distance from @p start by Dijkstra's method differs
/// from Bellman–Ford's beyond rounding; empty where the start is no node or a negative cycle
/// reachable from it leaves no true distance.
std::vector<DistanceDifference> dijkstraDifferences(const Network& network, int start);

/// @brief The summary a student hands in for the exercise of building a network on which
/// Dijkstra goes wrong: the heading "Latihan: buat jaringan", who and when (@p author, as the
/// exercises' summaries write them), the network's @p title ("Tanpa judul" where empty) and start,
/// each link with its weight ("1 → 2: 2"), the verdict of checkDijkstraBreaker with its reason,
/// and where the network qualifies, each node whose distances differ and the step where Dijkstra
/// fixed a node too early. One line each, UTF-8.
std::string buildExerciseSummary(const Network& network, int start, std::string_view title,
                                 const ExerciseAuthor& author,
                                 std::string_view decimalSeparator = ".");

/// @brief Grades a prediction of every node's distance after pass @p pass (1 ...) of
/// Bellman–Ford from @p start: @p typed holds one text per node, node 1 first ("∞" for no path
/// known). Right when every node is right; the reason names each wrong node with its right value.
/// A pass beyond the last the method makes, or a count of texts that is not the node count, is
/// no answer.
Grade gradeBellmanFordPass(const Network& network, int start, int pass,
                           std::span<const std::string> typed,
                           std::string_view decimalSeparator = ".");

} // namespace trayeko
