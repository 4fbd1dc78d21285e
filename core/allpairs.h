#pragma once

#include "core/network.h"
#include "core/shortestpath.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace trayeko {

/// @brief The matrices of Floyd–Warshall over the nodes 1 ... n: the distance of every pair and,
/// when asked for, the node matrix a route is rebuilt from. This one kernel serves the lesson's
/// listing, steps and grading as well as the comparison's timed searches.
///
/// Distances only, no path is kNoPath and a cell takes min(cell, d[i][k] + d[k][j]): the loop has
/// no branch and vectorises, which is what the growth chart times. With the node matrix a cell
/// also remembers whether any path is known, so that a known infinite distance (a weight beyond a
/// double's range) is told from no path, as the listing shows them ("∞" and "~"), and a cell takes
/// the sum only where no path was known or the sum is strictly smaller: a tie keeps the older
/// route, and NaN never replaces a known value.
class PathMatrix final
{
public:
    PathMatrix() = default;
    /// @brief 0 on the diagonal, each link's weight in its cell (the smaller of two links in one
    /// direction), no path elsewhere; links that name no node are left out. With the node matrix,
    /// node(i, j) = j.
    PathMatrix(int nodeCount, std::span<const NetworkLink> links, bool withNodeMatrix);
    explicit PathMatrix(const Network& network, bool withNodeMatrix = false);

    int nodeCount() const { return m_nodeCount; }
    bool hasNode(int number) const { return number >= 1 && number <= m_nodeCount; }
    bool hasNodeMatrix() const { return !m_node.empty(); }

    /// @brief The distance from @p from to @p to, kNoPath where no path is known or either is no
    /// node.
    double distance(int from, int to) const
    {
        return hasNode(from) && hasNode(to) ? m_distance[cell(from, to)] : kNoPath;
    }
    /// @brief The same, empty where no path is known or either is no node (with the node matrix,
    /// a known infinite distance is not empty).
    std::optional<double> value(int from, int to) const
    {
        if (!hasNode(from) || !hasNode(to))
            return std::nullopt;
        const std::size_t c = cell(from, to);
        if (m_known.empty() ? m_distance[c] == kNoPath : !m_known[c])
            return std::nullopt;
        return m_distance[c];
    }
    /// @brief The node matrix's entry: the last intermediate node of the route, or @p to where
    /// the route is the direct link; 0 without the node matrix or where either is no node.
    int node(int from, int to) const
    {
        return m_node.empty() || !hasNode(from) || !hasNode(to) ? 0 : m_node[cell(from, to)];
    }
    /// @brief One row of the node matrix, node 1 first; empty without it or for no node.
    std::span<const int> nodeRow(int from) const
    {
        if (m_node.empty() || !hasNode(from))
            return {};
        return {m_node.data() + cell(from, 1), std::size_t(m_nodeCount)};
    }
    /// @brief One row of values, node 1 first.
    std::vector<std::optional<double>> valueRow(int from) const;

    /// @brief Sets a cell as a test or a reader of saved matrices needs it; empty is no path.
    /// Cells of no node are left alone.
    void setValue(int from, int to, std::optional<double> value);
    void setNode(int from, int to, int node);

    /// @brief One iteration: node @p k (1 ... n, others are ignored) as intermediate.
    void relaxThrough(int k);
    /// @brief Every iteration, k = 1 ... n.
    void relaxAll();

    /// @brief The distances row by row, node 1 to node 1 first.
    const std::vector<double>& distances() const& { return m_distance; }
    std::vector<double> distances() && { return std::move(m_distance); }

private:
    std::size_t cell(int from, int to) const
    {
        return at(from) * std::size_t(m_nodeCount) + at(to);
    }

    int m_nodeCount = 0;
    std::vector<double> m_distance;
    std::vector<int> m_node;            ///< empty unless asked for
    std::vector<unsigned char> m_known; ///< with the node matrix only
};

/// @brief The route from @p from to @p to that the node matrix of @p matrix describes, as nodes
/// from @p from to @p to; empty where no path is known, the matrix has no node matrix, or the
/// node matrix does not describe a route over @p network's links (a matrix that did not come from
/// a run can point in circles or name links that do not exist).
std::vector<int> floydRoute(const Network& network, const PathMatrix& matrix, int from, int to);

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
/// intermediate (PathMatrix without the node matrix).
DistanceMatrix floydWarshall(const Digraph& graph);
DistanceMatrix floydWarshall(const Network& network);

/// @brief Dijkstra's method from every node, one row per source.
DistanceMatrix dijkstraFromEveryNode(const Digraph& graph);

} // namespace trayeko
