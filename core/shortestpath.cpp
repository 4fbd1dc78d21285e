#include "core/shortestpath.h"

#include "core/numbertext.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace trayeko {

Digraph::Digraph(int nodeCount, std::span<const WeightedEdge> edges)
    : m_nodeCount(std::max(nodeCount, 0)), m_firstArc(std::size_t(m_nodeCount) + 1, 0)
{
    std::vector<int> given; // each kept edge's index in the list given
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const WeightedEdge& e = edges[i];
        if (e.from >= 1 && e.from <= m_nodeCount && e.to >= 1 && e.to <= m_nodeCount) {
            m_edges.push_back(e);
            given.push_back(int(i));
        }
    }
    // Counting sort by the node the arc leaves: each node's arcs keep the order they were given.
    for (const WeightedEdge& e : m_edges)
        ++m_firstArc[std::size_t(e.from)];
    for (std::size_t v = 1; v < m_firstArc.size(); ++v)
        m_firstArc[v] += m_firstArc[v - 1];
    m_arcs.resize(m_edges.size());
    std::vector<std::size_t> next(m_firstArc.begin(), m_firstArc.end() - 1);
    for (std::size_t i = 0; i < m_edges.size(); ++i) {
        const WeightedEdge& e = m_edges[i];
        m_arcs[next[std::size_t(e.from - 1)]++] = {e.weight, e.to - 1, given[i]};
    }
}

ShortestPathTree dijkstra(const Digraph& graph, int source, std::vector<DijkstraRound>* rounds)
{
    constexpr double unreachable = std::numeric_limits<double>::infinity();
    const auto n = std::size_t(graph.nodeCount());
    ShortestPathTree tree{std::vector<double>(n, unreachable), std::vector<int>(n, 0)};
    if (source < 1 || source > graph.nodeCount())
        return tree;

    // What a recorded round shows beyond the tree; kept only when rounds are asked for.
    DijkstraRound round;
    if (rounds) {
        round.settled.assign(n, false);
        round.bestEdge.assign(n, 0);
    }

    // A binary heap of (distance, node) with lazy deletion: a node improved again is pushed
    // again, and the older entry is skipped when it comes up. Pairs compare by distance, then by
    // node, so of two nodes at the same distance the lower number comes out first.
    using Entry = std::pair<double, int>;
    std::vector<Entry> heap;
    heap.reserve(n);
    const auto later = [](const Entry& a, const Entry& b) { return a > b; };
    tree.distance[std::size_t(source - 1)] = 0;
    heap.push_back({0.0, source - 1});
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), later);
        const auto [d, v] = heap.back();
        heap.pop_back();
        if (d > tree.distance[std::size_t(v)])
            continue;
        if (rounds) {
            round.settledNode = v + 1;
            round.settled[std::size_t(v)] = true;
            round.improvingEdges.clear();
        }
        for (const Digraph::Arc& arc : graph.arcsFrom(std::size_t(v))) {
            const double candidate = d + arc.weight;
            double& target = tree.distance[std::size_t(arc.to)];
            if (candidate < target && !(rounds && round.settled[std::size_t(arc.to)])) {
                target = candidate;
                tree.previous[std::size_t(arc.to)] = v + 1;
                heap.push_back({candidate, arc.to});
                std::push_heap(heap.begin(), heap.end(), later);
                if (rounds) {
                    round.bestEdge[std::size_t(arc.to)] = arc.edge + 1;
                    round.improvingEdges.push_back(arc.edge + 1);
                }
            }
        }
        if (rounds) {
            round.distance = tree.distance;
            rounds->push_back(round);
        }
    }
    return tree;
}

std::vector<DijkstraRound> dijkstraRounds(int nodeCount, std::span<const WeightedEdge> edges,
                                          int source)
{
    std::vector<DijkstraRound> rounds;
    dijkstra(Digraph(nodeCount, edges), source, &rounds);
    return rounds;
}

std::vector<int> routeTo(const ShortestPathTree& tree, int target)
{
    if (target < 1 || std::size_t(target) > tree.distance.size() ||
        tree.distance[std::size_t(target - 1)] == std::numeric_limits<double>::infinity())
        return {};
    std::vector<int> route{target};
    // A route never has more nodes than the graph; the bound keeps a damaged tree from looping.
    while (tree.previous[std::size_t(route.back() - 1)] != 0 &&
           route.size() <= tree.distance.size())
        route.push_back(tree.previous[std::size_t(route.back() - 1)]);
    std::reverse(route.begin(), route.end());
    return route;
}

std::vector<double> shortestDistances(int nodeCount, std::span<const WeightedEdge> edges,
                                      int source)
{
    return dijkstra(Digraph(nodeCount, edges), source).distance;
}

std::array<WeightedEdge, kLinkCount> demoEdges(const LinkWeights& weights)
{
    std::array<WeightedEdge, kLinkCount> edges{};
    for (const LinkInfo& link : demoLinks())
        edges[std::size_t(link.number - 1)] = {link.fromNode, link.toNode,
                                               weights[std::size_t(link.number - 1)]};
    return edges;
}

std::array<double, kNodeCount> demoShortestDistances(const LinkWeights& weights)
{
    const std::vector<double> d = shortestDistances(kNodeCount, demoEdges(weights), kStartNode);
    std::array<double, kNodeCount> result{};
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = d[i];
    return result;
}

std::array<std::string, kNodeCount> nodeLabelTexts(const LinkWeights& weights,
                                                   std::string_view decimalSeparator)
{
    const std::array<double, kNodeCount> d = demoShortestDistances(weights);
    std::array<std::string, kNodeCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = formatGeneral(d[i], decimalSeparator);
    return texts;
}

} // namespace trayeko
