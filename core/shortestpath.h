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

/// @brief Dijkstra's method: the shortest directed distance from @p source to every node 1 ...
/// @p nodeCount (index 0 is node 1); +infinity where a node cannot be reached. Weights must be
/// non-negative.
std::vector<double> shortestDistances(int nodeCount, std::span<const WeightedEdge> edges,
                                      int source);

/// @brief The shortest distances from node 1 over the demonstration network's links.
std::array<double, kNodeCount> demoShortestDistances(const LinkWeights& weights);

/// @brief The texts of the node labels txtplt1 ... txtplt7: formatGeneral of each distance.
std::array<std::string, kNodeCount> nodeLabelTexts(const LinkWeights& weights,
                                                   std::string_view decimalSeparator = ".");

} // namespace trayeko
