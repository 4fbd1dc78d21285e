#pragma once

#include "core/demonetwork.h"
#include "core/network.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief A one-way edge: a link of a Network.
using WeightedEdge = NetworkLink;

/// @brief A search's view of a network: the nodes 1 ... nodeCount and each node's outgoing arcs
/// in one array, so that a search walks them without chasing pointers. Edges that name a node
/// outside 1 ... nodeCount are left out.
class Digraph
{
public:
    Digraph(int nodeCount, std::span<const WeightedEdge> edges);
    explicit Digraph(const Network& network) : Digraph(network.nodeCount(), network.links()) {}

    int nodeCount() const { return m_nodeCount; }
    /// @brief The edges kept, in the order they were given.
    const std::vector<WeightedEdge>& edges() const { return m_edges; }

    struct Arc
    {
        double weight;
        int to;   ///< 0-based node index
        int edge; ///< 0-based index of the edge in the list the graph was made from
    };
    /// @brief The arcs leaving the node with 0-based index @p node.
    std::span<const Arc> arcsFrom(std::size_t node) const
    {
        return {m_arcs.data() + m_firstArc[node], m_arcs.data() + m_firstArc[node + 1]};
    }

private:
    int m_nodeCount;
    std::vector<WeightedEdge> m_edges;
    std::vector<std::size_t> m_firstArc; ///< nodeCount + 1 offsets into m_arcs
    std::vector<Arc> m_arcs;
};

/// @brief What Dijkstra's method finds from one node: index 0 is node 1.
struct ShortestPathTree
{
    std::vector<double> distance; ///< +infinity where a node cannot be reached
    std::vector<int> previous;    ///< the node before it on its shortest route, 0 for none
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

/// @brief Dijkstra's method with a binary heap, from @p source (1 ... nodeCount; any other
/// source reaches nothing). Of two nodes at the same distance the lower number is settled first.
/// Weights must be non-negative. With @p rounds, each round (one settled node and the edges it
/// relaxed) is recorded there as well, as a lesson shows it.
ShortestPathTree dijkstra(const Digraph& graph, int source,
                          std::vector<DijkstraRound>* rounds = nullptr);

/// @brief Dijkstra's method round by round from @p source: the rounds that dijkstra() goes
/// through. None when @p source is no node.
std::vector<DijkstraRound> dijkstraRounds(int nodeCount, std::span<const WeightedEdge> edges,
                                          int source);

/// @brief The route the tree holds to @p target, as nodes from the tree's source to @p target;
/// empty where @p target cannot be reached.
std::vector<int> routeTo(const ShortestPathTree& tree, int target);

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
