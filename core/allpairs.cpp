#include "core/allpairs.h"

#include <algorithm>
#include <utility>

namespace trayeko {

PathMatrix::PathMatrix(int nodeCount, std::span<const NetworkLink> links, bool withNodeMatrix)
    : m_nodeCount(std::max(nodeCount, 0))
{
    const auto n = std::size_t(m_nodeCount);
    m_distance.assign(n * n, kNoPath);
    for (std::size_t i = 0; i < n; ++i)
        m_distance[i * n + i] = 0;
    if (withNodeMatrix) {
        m_node.resize(n * n);
        m_known.assign(n * n, 0);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 0; j < n; ++j)
                m_node[i * n + j] = int(j) + 1;
            m_known[i * n + i] = 1;
        }
    }
    for (const NetworkLink& l : links) {
        if (!hasNode(l.from) || !hasNode(l.to))
            continue;
        const std::size_t c = cell(l.from, l.to);
        if (withNodeMatrix) {
            if (!m_known[c] || l.weight < m_distance[c]) {
                m_distance[c] = l.weight;
                m_known[c] = 1;
            }
        } else {
            m_distance[c] = std::min(m_distance[c], l.weight);
        }
    }
}

PathMatrix::PathMatrix(const Network& network, bool withNodeMatrix)
    : PathMatrix(network.nodeCount(), network.links(), withNodeMatrix)
{
}

std::vector<std::optional<double>> PathMatrix::valueRow(int from) const
{
    std::vector<std::optional<double>> row;
    row.reserve(std::size_t(m_nodeCount));
    for (int to = 1; to <= m_nodeCount; ++to)
        row.push_back(value(from, to));
    return row;
}

void PathMatrix::setValue(int from, int to, std::optional<double> value)
{
    if (!hasNode(from) || !hasNode(to))
        return;
    const std::size_t c = cell(from, to);
    m_distance[c] = value.value_or(kNoPath);
    if (!m_known.empty())
        m_known[c] = value.has_value();
}

void PathMatrix::setNode(int from, int to, int node)
{
    if (!m_node.empty() && hasNode(from) && hasNode(to))
        m_node[cell(from, to)] = node;
}

void PathMatrix::relaxThrough(int k)
{
    if (!hasNode(k))
        return;
    const auto n = std::size_t(m_nodeCount);
    const std::size_t kk = at(k);
    double* const d = m_distance.data();
    const double* const throughK = d + kk * n;
    if (m_node.empty()) {
        for (std::size_t i = 0; i < n; ++i) {
            // Every pair is tried through every k, also where i cannot reach k (kNoPath plus a
            // distance stays kNoPath): the method's n^3 steps are what the growth chart shows.
            const double toK = d[i * n + kk];
            double* const row = d + i * n;
            // Row k does not change in iteration k (d[k][k] is 0), so it may be read while row i
            // is written, also when i is k; the loop has no branch and vectorises.
            for (std::size_t j = 0; j < n; ++j)
                row[j] = std::min(row[j], toK + throughK[j]);
        }
        return;
    }
    unsigned char* const known = m_known.data();
    const unsigned char* const knownThroughK = known + kk * n;
    int* const node = m_node.data();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t ik = i * n + kk;
        if (!known[ik])
            continue;
        for (std::size_t j = 0; j < n; ++j) {
            if (!knownThroughK[j])
                continue;
            // d[i][k] is read again for every j: with a negative cycle through k, this very
            // iteration may lower it, and the listing has always shown the sums it then gives.
            const double sum = d[ik] + throughK[j];
            const std::size_t ij = i * n + j;
            if (!known[ij] || d[ij] > sum) {
                d[ij] = sum;
                known[ij] = 1;
                node[ij] = k;
            }
        }
    }
}

void PathMatrix::relaxAll()
{
    for (int k = 1; k <= m_nodeCount; ++k)
        relaxThrough(k);
}

std::vector<int> floydRoute(const Network& network, const PathMatrix& matrix, int from, int to)
{
    if (!matrix.hasNodeMatrix() || !matrix.hasNode(from) || !matrix.hasNode(to) ||
        !matrix.value(from, to))
        return {};
    if (from == to)
        return {from};

    // Unfold route(i, j) = route(i, k) + route(k, j) with an explicit stack, leftmost part first.
    // Every step is checked and the work is bounded, so that a damaged matrix gives no route
    // rather than a wrong one or no end.
    std::vector<int> route{from};
    std::vector<std::pair<int, int>> pending{{from, to}};
    int budget = 4 * matrix.nodeCount() * matrix.nodeCount();
    while (!pending.empty()) {
        if (--budget < 0)
            return {};
        const auto [i, j] = pending.back();
        pending.pop_back();
        const int k = matrix.node(i, j);
        if (!matrix.hasNode(k) || k == i || i == j)
            return {};
        if (k == j) {
            if (network.findLink(i, j) == 0)
                return {};
            route.push_back(j);
            continue;
        }
        pending.emplace_back(k, j);
        pending.emplace_back(i, k);
    }
    return route;
}

DistanceMatrix floydWarshall(const Digraph& graph)
{
    PathMatrix m(graph.nodeCount(), graph.edges(), false);
    m.relaxAll();
    return {graph.nodeCount(), std::move(m).distances()};
}

DistanceMatrix floydWarshall(const Network& network)
{
    PathMatrix m(network, false);
    m.relaxAll();
    return {network.nodeCount(), std::move(m).distances()};
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
