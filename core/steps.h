#pragma once

#include "core/demonetwork.h"
#include "core/floyd.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief One link that lowered a tentative distance: the node it leads to and the new distance.
struct Improvement
{
    int link;
    int node;
    double distance;
};

/// @brief A variable of the pseudo-code and its value in one step: {"u", "3"}, {"d[4]", "8 → 7"}.
struct StepVariable
{
    std::string name;
    std::string value;
};

/// @brief The pseudo-code a lesson shows beside the drawing, in Indonesian, one line per entry;
/// a step's codeLines count from 1.
const std::vector<std::string>& dijkstraPseudoCode();
const std::vector<std::string>& floydPseudoCode();

/// @brief The state of Dijkstra's method after one step from node 1 on the demonstration network.
struct DijkstraStep
{
    int fixedNode = 0;                         ///< the nearest unfixed node, fixed in this step
    double fixedDistance = 0;                  ///< its distance
    std::vector<Improvement> improvements;     ///< in link order
    std::array<double, kNodeCount> distance{}; ///< tentative distances after the step
    std::array<bool, kNodeCount> fixed{};      ///< fixed nodes after the step
    std::array<int, kNodeCount> bestLink{};    ///< link of the best route into each node, 0 none
    std::string explanation;    ///< "Langkah k dari n: simpul ... ditetapkan dengan jarak ..."
    std::vector<int> codeLines; ///< the lines of dijkstraPseudoCode() the step executes
    std::vector<StepVariable> variables; ///< u, d[u], and d[v] of every improved node
};

/// @brief Dijkstra's method step by step: each step fixes the nearest unfixed node (the lower
/// number wins a tie) and relaxes its outgoing links; a link improves a distance only when it is
/// strictly shorter. Links are named by their ends ("jalur 1→3"), as the drawing shows them. Stops
/// when no unfixed node can be reached. The last step's explanation names the shortest distance to
/// node 7 and the route the run chooses (see selectShortestRoute). Meant for weights the run
/// accepts (checkWeights).
std::vector<DijkstraStep> dijkstraSteps(const LinkWeights& weights,
                                        std::string_view decimalSeparator = ".");

/// @brief The links of the best route to @p node in a step's tree, in travel order; empty where
/// the node is not reached.
std::vector<int> treeRoute(const DijkstraStep& step, int node);

/// @brief One cell that a Floyd–Warshall iteration changed; @p before is empty where no path was
/// known.
struct FloydChange
{
    int from;
    int to;
    std::optional<double> before;
    double after;
};

/// @brief What iteration k (node k as intermediate) changed in the value matrix.
struct FloydIteration
{
    int k = 0;
    std::vector<FloydChange> changes;                          ///< row by row, column by column
    std::array<std::optional<double>, kNodeCount> fromStart{}; ///< row 1 after the iteration
    std::vector<int> routeLinks; ///< the route from node 1 to node 7 known after it
    std::string explanation;     ///< "Langkah k dari 7: simpul k sebagai perantara; ..."
    std::array<std::array<std::optional<double>, kNodeCount>, kNodeCount> value{}; ///< after it
    std::vector<int> codeLines;          ///< the lines of floydPseudoCode() the iteration executes
    std::vector<StepVariable> variables; ///< k, and i, j of the cells it changed
};

/// @brief A cell of the value matrix as the program shows it: the number, or "∞" where no path is
/// known.
std::string floydCellText(const std::optional<double>& cell,
                          std::string_view decimalSeparator = ".");

/// @brief How iteration @p k worked out a changed cell: "d[1][5] = min(∞, d[1][2] + d[2][5]) = 11".
std::string floydChangeText(const FloydChange& change, int k,
                            std::string_view decimalSeparator = ".");

/// @brief The seven iterations of the Floyd listing with the cells each one changed, exactly as
/// listFloydMatrices computes them (negative weights and NaN included).
std::vector<FloydIteration> floydChanges(const LinkWeights& weights,
                                         std::string_view decimalSeparator = ".");

/// @brief The cells of each line of the Floyd listings that the line's iteration changed, as
/// columns from 0, for every line of the value listing and of the node listing (both mark the
/// same cells); empty for headers, blank lines, the initial matrices and unchanged rows.
struct FloydListingMarks
{
    std::vector<std::vector<int>> valueLines;
    std::vector<std::vector<int>> nodeLines;
};
FloydListingMarks floydListingMarks(const std::vector<FloydIteration>& iterations);

/// @brief The tool tip of one row of iteration @p it: "Iterasi 2: 1→5 dari ∞ menjadi 11", or
/// "Iterasi 2: baris 3 tidak berubah".
std::string floydRowTip(const FloydIteration& it, int row, std::string_view decimalSeparator = ".");

/// @brief Index of the header "Iterasi k" and of value row @p row (1 ... 7) of that block in the
/// value listing; the same for the node listing. k = 0 is the initial block.
constexpr int valueHeaderLine(int k)
{
    return 9 * k;
}
constexpr int valueRowLine(int k, int row)
{
    return 9 * k + row;
}
constexpr int nodeHeaderLine(int k)
{
    return 8 * k;
}
constexpr int nodeRowLine(int k, int row)
{
    return 8 * k + row;
}

} // namespace trayeko
