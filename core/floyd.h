#pragma once

#include "core/demonetwork.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief The value and node matrices of Floyd–Warshall; index [i - 1][j - 1] is node i to j.
/// An empty value cell means no path is known yet.
struct FloydMatrices
{
    std::array<std::array<std::optional<double>, kNodeCount>, kNodeCount> value{};
    std::array<std::array<int, kNodeCount>, kNodeCount> node{};
};

/// @brief 0 on the diagonal, each link's weight in its cell, others empty; node(i, j) = j.
FloydMatrices initFloydMatrices(const LinkWeights& weights);

/// @brief One iteration with intermediate node @p k (1 ... 7); a cell changes only when it is
/// empty or strictly greater than the sum through k.
void floydStep(FloydMatrices& m, int k);

/// @brief The six space runs between the columns of value row @p row (1 ... 7) in listing
/// @p listing (0 for the initial listing, 1 ... 7 for "Iterasi k").
std::array<int, kNodeCount - 1> valueRowSeparators(int listing, int row);

/// @brief One value line: "~" for empty cells, formatGeneral otherwise, fixed space runs.
std::string formatValueRow(const FloydMatrices& m, int listing, int row,
                           std::string_view decimalSeparator = ".");

/// @brief One node line: the node numbers with the runs 5, 5, 5, 4, 4, 5.
std::string formatNodeRow(const FloydMatrices& m, int row);

/// @brief The complete listing of one run and the final matrices.
struct FloydListing
{
    std::vector<std::string> valueLines;  ///< 71 lines, for the "Nilai" list
    std::vector<std::string> nodeLines;   ///< 64 lines, for the "Simpul" list
    FloydMatrices final;
};

/// @brief Runs the seven iterations and lists both matrices after the initialisation and after
/// each iteration.
FloydListing listFloydMatrices(const LinkWeights& weights, std::string_view decimalSeparator = ".");

/// @brief The route from @p from to @p to rebuilt from the final node matrix, as a node list that
/// starts with @p from and ends with @p to; empty where the value cell is empty or the node
/// matrix does not describe a route.
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
