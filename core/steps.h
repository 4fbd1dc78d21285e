#pragma once

#include "core/demonetwork.h"
#include "core/floyd.h"
#include "core/network.h"

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
/// a step's codeLines count from 1. Dijkstra's names its start and end node, Floyd's counts to the
/// number of nodes; without arguments, those of the demonstration network.
std::vector<std::string> dijkstraPseudoCode(int startNode, int endNode);
const std::vector<std::string>& dijkstraPseudoCode();
std::vector<std::string> floydPseudoCode(int nodeCount);
const std::vector<std::string>& floydPseudoCode();

/// @brief The state of Dijkstra's method after one step; every vector holds one entry per node,
/// node 1 first.
struct DijkstraStep
{
    int startNode = 0;                     ///< where the method started
    int fixedNode = 0;                     ///< the nearest unfixed node, fixed in this step
    double fixedDistance = 0;              ///< its distance
    std::vector<Improvement> improvements; ///< in link order
    std::vector<double> distance;          ///< tentative distances after the step, kNoPath unreached
    std::vector<bool> fixed;               ///< fixed nodes after the step
    std::vector<int> bestLink;             ///< link of the best route into each node, 0 none
    std::vector<int> previous;             ///< the node that link leaves, 0 none
    std::string explanation;    ///< "Langkah k dari n: simpul ... ditetapkan dengan jarak ..."
    std::vector<int> codeLines; ///< the lines of dijkstraPseudoCode() the step executes
    std::vector<StepVariable> variables; ///< u, d[u], and d[v] of every improved node
};

/// @brief Dijkstra's method step by step on @p network from @p startNode: each step fixes the
/// nearest unfixed node (the lower number wins a tie) and relaxes its outgoing links; a link
/// improves a distance only when it is strictly shorter. Nodes are named by nodeLabel, links by
/// their ends ("jalur 1→3"), as the drawing shows them. Stops when no unfixed node can be reached.
/// The last step's explanation names the shortest distance to @p endNode and the route to it, or
/// says that it cannot be reached. Meant for weights of at least 0; none where @p startNode is no
/// node.
std::vector<DijkstraStep> dijkstraSteps(const Network& network, int startNode, int endNode,
                                        std::string_view decimalSeparator = ".");

/// @brief The same on the demonstration network with @p weights from node 1; the closing sentence
/// names the route the run chooses (see selectShortestRoute) with its number. Meant for weights
/// the run accepts (checkWeights).
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
    std::vector<FloydChange> changes;               ///< row by row, column by column
    std::vector<std::optional<double>> fromStart;   ///< the start node's row after the iteration
    std::vector<int> routeLinks; ///< the route from the start to the end node known after it
    std::string explanation;     ///< "Langkah k dari n: simpul k sebagai perantara; ..."
    std::vector<std::vector<std::optional<double>>> value; ///< the value matrix after it
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

/// @brief The iterations of the Floyd listing of @p network with the cells each one changed,
/// exactly as listFloydMatrices computes them (negative weights and NaN included); the route of
/// each is the one from @p startNode to @p endNode.
std::vector<FloydIteration> floydChanges(const Network& network, int startNode, int endNode,
                                         std::string_view decimalSeparator = ".");
/// @brief The same on the demonstration network with @p weights, from node 1 to node 7.
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

} // namespace trayeko
