#pragma once

#include "core/shortestpath.h"

#include <cstddef>
#include <vector>

namespace trayeko {

/// @brief The shortest distance between every pair of nodes of a graph with nodes 1 ... n, row
/// by row: at(i, j) is node i to node j; +infinity where no route leads there.
struct DistanceMatrix
{
    int nodeCount = 0;
    std::vector<double> cells; ///< nodeCount * nodeCount

    double at(int from, int to) const
    {
        return cells[std::size_t(from - 1) * std::size_t(nodeCount) + std::size_t(to - 1)];
    }
    bool operator==(const DistanceMatrix&) const = default;
};

/// @brief Floyd–Warshall over all pairs: the direct links first, then every node in turn as an
/// intermediate.
DistanceMatrix floydWarshall(const Digraph& graph);

/// @brief Dijkstra's method from every node, one row per source.
DistanceMatrix dijkstraFromEveryNode(const Digraph& graph);

} // namespace trayeko
