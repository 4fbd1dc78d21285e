#include "core/shortestpath.h"

#include "core/numbertext.h"

#include <limits>

namespace trayeko {

std::vector<double> shortestDistances(int nodeCount, std::span<const WeightedEdge> edges,
                                      int source)
{
    constexpr double unreachable = std::numeric_limits<double>::infinity();
    if (nodeCount <= 0)
        return {};
    const auto n = std::size_t(nodeCount);
    std::vector<double> distance(n, unreachable);
    if (source < 1 || source > nodeCount)
        return distance;

    // The graphs are small, so the plain O(V^2 + E) form without a heap is the clearest.
    std::vector<bool> settled(n, false);
    distance[std::size_t(source - 1)] = 0;
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t nearest = n;
        for (std::size_t v = 0; v < n; ++v)
            if (!settled[v] && distance[v] < unreachable &&
                (nearest == n || distance[v] < distance[nearest]))
                nearest = v;
        if (nearest == n)
            break;
        settled[nearest] = true;
        for (const WeightedEdge& e : edges) {
            if (e.from - 1 != int(nearest) || e.to < 1 || e.to > nodeCount)
                continue;
            const double candidate = distance[nearest] + e.weight;
            double& target = distance[std::size_t(e.to - 1)];
            if (!settled[std::size_t(e.to - 1)] && candidate < target)
                target = candidate;
        }
    }
    return distance;
}

std::array<double, kNodeCount> demoShortestDistances(const LinkWeights& weights)
{
    std::array<WeightedEdge, kLinkCount> edges{};
    for (const LinkInfo& link : demoLinks())
        edges[std::size_t(link.number - 1)] = {link.fromNode, link.toNode,
                                               weights[std::size_t(link.number - 1)]};
    const std::vector<double> d = shortestDistances(kNodeCount, edges, kStartNode);
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
