#pragma once

#include "core/allpairs.h"
#include "core/demonetwork.h"
#include "core/network.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief The value and node matrices of Floyd–Warshall as the listing shows them: the kernel's
/// matrices with the node matrix, where an empty value means no path is known yet.
using FloydMatrices = PathMatrix;

/// @brief The demonstration network's matrices before the first iteration: 0 on the diagonal,
/// each link's weight in its cell, others empty; node(i, j) = j.
FloydMatrices initFloydMatrices(const LinkWeights& weights);

/// @brief One iteration with intermediate node @p k (1 ... n); a cell changes only when it is
/// empty or strictly greater than the sum through k.
void floydStep(FloydMatrices& m, int k);

/// @brief The six space runs between the columns of value row @p row (1 ... 7) in listing
/// @p listing (0 for the initial listing, 1 ... 7 for "Iterasi k") of the demonstration network;
/// a matrix of another size is spaced by runs of five.
std::array<int, kNodeCount - 1> valueRowSeparators(int listing, int row);

/// @brief One value line: "~" for empty cells, formatGeneral otherwise, fixed space runs.
std::string formatValueRow(const FloydMatrices& m, int listing, int row,
                           std::string_view decimalSeparator = ".");

/// @brief One node line: the node numbers with the runs 5, 5, 5, 4, 4, 5 (seven nodes; runs of
/// five for any other size).
std::string formatNodeRow(const FloydMatrices& m, int row);

/// @brief Index of the header "Iterasi k" and of value row @p row (1 ... n) of that block in the
/// value listing of a network of @p nodeCount nodes; the same for the node listing. k = 0 is the
/// initial block.
constexpr int valueHeaderLine(int k, int nodeCount = kNodeCount)
{
    return (nodeCount + 2) * k;
}
constexpr int valueRowLine(int k, int row, int nodeCount = kNodeCount)
{
    return (nodeCount + 2) * k + row;
}
constexpr int nodeHeaderLine(int k, int nodeCount = kNodeCount)
{
    return (nodeCount + 1) * k;
}
constexpr int nodeRowLine(int k, int row, int nodeCount = kNodeCount)
{
    return (nodeCount + 1) * k + row;
}

/// @brief The complete listing of one run and the final matrices.
struct FloydListing
{
    std::vector<std::string> valueLines;  ///< n (n + 2) + 1 lines (71 for seven), for "Nilai"
    std::vector<std::string> nodeLines;   ///< n (n + 1) + 1 lines (64 for seven), for "Simpul"
    FloydMatrices final;
};

/// @brief Runs every iteration on @p network and lists both matrices after the initialisation
/// and after each iteration.
FloydListing listFloydMatrices(const Network& network, std::string_view decimalSeparator = ".");
/// @brief The same on the demonstration network with @p weights.
FloydListing listFloydMatrices(const LinkWeights& weights, std::string_view decimalSeparator = ".");

/// @brief The route from @p from to @p to rebuilt from the final node matrix of the
/// demonstration network, as a node list that starts with @p from and ends with @p to; empty
/// where the value cell is empty or the node matrix does not describe a route.
std::vector<int> floydRoute(const FloydMatrices& final, int from, int to);

/// @brief What the Floyd window shows under the drawing after a run.
struct FloydResult
{
    std::string directTotal;   ///< for h1: formatGeneral(w10)
    std::string viaFourTotal;  ///< for h2: formatGeneral(w3 + w12)
    std::string caption;       ///< "Total jarak = " + formatGeneral(value(1, 7))
    std::vector<int> innerNodes;  ///< inner nodes of the route from node 1 to node 7
    std::vector<int> links;       ///< its links in travel order
};

/// @brief The result shown after a run, from the weights and the final matrices.
FloydResult floydResult(const LinkWeights& weights, const FloydMatrices& final,
                        std::string_view decimalSeparator = ".");

} // namespace trayeko
