#pragma once

#include "core/demonetwork.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief A one-way edge of a small directed graph with nodes numbered from 1.
struct WeightedEdge
{
    int from;
    int to;
    double weight;
};

/// @brief One round of Dijkstra's method: the node it settles and the state after it.
struct DijkstraRound
{
    int settledNode = 0;             ///< the nearest unsettled node (the lower number wins a tie)
    std::vector<double> distance;    ///< tentative distances after the round, node 1 first
    std::vector<bool> settled;       ///< settled nodes after the round
    std::vector<int> bestEdge;       ///< per node, 1 + index of the edge of its best route, 0 none
    std::vector<int> improvingEdges; ///< 1 + index of each edge that lowered a distance, in order
};

/// @brief Dijkstra's method round by round from @p source; each round settles the nearest
/// unsettled reached node and relaxes its outgoing edges (an edge into a settled node never
/// improves). None when @p source is no node.
std::vector<DijkstraRound> dijkstraRounds(int nodeCount, std::span<const WeightedEdge> edges,
                                          int source);

/// @brief Dijkstra's method: the shortest directed distance from @p source to every node 1 ...
/// @p nodeCount (index 0 is node 1); +infinity where a node cannot be reached. Weights must be
/// non-negative.
std::vector<double> shortestDistances(int nodeCount, std::span<const WeightedEdge> edges,
                                      int source);

/// @brief The demonstration network's links as edges: edge k - 1 is link k.
std::array<WeightedEdge, kLinkCount> demoEdges(const LinkWeights& weights);

/// @brief The shortest distances from node 1 over the demonstration network's links.
std::array<double, kNodeCount> demoShortestDistances(const LinkWeights& weights);

/// @brief The texts of the node labels txtplt1 ... txtplt7: formatGeneral of each distance.
std::array<std::string, kNodeCount> nodeLabelTexts(const LinkWeights& weights,
                                                   std::string_view decimalSeparator = ".");

} // namespace trayeko
