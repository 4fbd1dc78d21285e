#include "core/shortestpath.h"

#include "core/numbertext.h"

#include <limits>

namespace trayeko {

std::vector<DijkstraRound> dijkstraRounds(int nodeCount, std::span<const WeightedEdge> edges,
                                          int source)
{
    constexpr double unreachable = std::numeric_limits<double>::infinity();
    if (nodeCount <= 0 || source < 1 || source > nodeCount)
        return {};
    const auto n = std::size_t(nodeCount);
    DijkstraRound state;
    state.distance.assign(n, unreachable);
    state.settled.assign(n, false);
    state.bestEdge.assign(n, 0);
    state.distance[std::size_t(source - 1)] = 0;

    // The graphs are small, so the plain O(V^2 + E) form without a heap is the clearest.
    std::vector<DijkstraRound> rounds;
    for (std::size_t round = 0; round < n; ++round) {
        std::size_t nearest = n;
        for (std::size_t v = 0; v < n; ++v)
            if (!state.settled[v] && state.distance[v] < unreachable &&
                (nearest == n || state.distance[v] < state.distance[nearest]))
                nearest = v;
        if (nearest == n)
            break;
        state.settledNode = int(nearest + 1);
        state.settled[nearest] = true;
        state.improvingEdges.clear();
        for (std::size_t i = 0; i < edges.size(); ++i) {
            const WeightedEdge& e = edges[i];
            if (e.from - 1 != int(nearest) || e.to < 1 || e.to > nodeCount)
                continue;
            const double candidate = state.distance[nearest] + e.weight;
            const auto to = std::size_t(e.to - 1);
            if (!state.settled[to] && candidate < state.distance[to]) {
                state.distance[to] = candidate;
                state.bestEdge[to] = int(i + 1);
                state.improvingEdges.push_back(int(i + 1));
            }
        }
        rounds.push_back(state);
    }
    return rounds;
}

std::vector<double> shortestDistances(int nodeCount, std::span<const WeightedEdge> edges,
                                      int source)
{
    if (nodeCount <= 0)
        return {};
    const std::vector<DijkstraRound> rounds = dijkstraRounds(nodeCount, edges, source);
    // The distances are those of the last round; without a source nothing is reached.
    return rounds.empty() ? std::vector<double>(std::size_t(nodeCount),
                                                std::numeric_limits<double>::infinity())
                          : rounds.back().distance;
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
