#include "core/allpairs.h"

#include <algorithm>
#include <limits>

namespace trayeko {

DistanceMatrix floydWarshall(const Digraph& graph)
{
    constexpr double unreachable = std::numeric_limits<double>::infinity();
    const auto n = std::size_t(graph.nodeCount());
    DistanceMatrix m{graph.nodeCount(), std::vector<double>(n * n, unreachable)};
    double* const d = m.cells.data();
    for (std::size_t i = 0; i < n; ++i)
        d[i * n + i] = 0;
    for (const WeightedEdge& e : graph.edges()) {
        double& cell = d[std::size_t(e.from - 1) * n + std::size_t(e.to - 1)];
        cell = std::min(cell, e.weight);
    }
    for (std::size_t k = 0; k < n; ++k) {
        const double* const throughK = d + k * n;
        for (std::size_t i = 0; i < n; ++i) {
            // Every pair is tried through every k, also where i cannot reach k (infinity plus a
            // distance stays infinity): the method's n^3 steps are what the growth chart shows.
            const double toK = d[i * n + k];
            double* const row = d + i * n;
            // Row k does not change in iteration k (d[k][k] is 0), so it may be read while row i
            // is written, also when i is k; the loop has no branch and vectorises.
            for (std::size_t j = 0; j < n; ++j)
                row[j] = std::min(row[j], toK + throughK[j]);
        }
    }
    return m;
}

DistanceMatrix dijkstraFromEveryNode(const Digraph& graph)
{
    const auto n = std::size_t(graph.nodeCount());
    DistanceMatrix m{graph.nodeCount(), {}};
    m.cells.reserve(n * n);
    for (int source = 1; source <= graph.nodeCount(); ++source) {
        const ShortestPathTree tree = dijkstra(graph, source);
        m.cells.insert(m.cells.end(), tree.distance.begin(), tree.distance.end());
    }
    return m;
}

} // namespace trayeko
