#pragma once

#include <cstddef>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace trayeko {

/// @brief The distance of a pair that no route joins, wherever a distance is a double: Dijkstra's
/// trees, the all-pairs matrices, the lesson's steps. Formatted, it reads "∞".
inline constexpr double kNoPath = std::numeric_limits<double>::infinity();

/// @brief Node k, link k, iteration k and step k are numbered from 1; their values stand at index
/// k - 1 of every vector that holds one per node, link, iteration or step.
constexpr std::size_t at(int number)
{
    return std::size_t(number - 1);
}

/// @brief One node: its number (1 ... nodeCount, its place in the network's list), the name a
/// teacher gave it (empty where it has none) and where it is drawn, in the units of whoever
/// placed it.
struct NetworkNode
{
    int number = 0;
    std::string name;
    double x = 0;
    double y = 0;

    bool operator==(const NetworkNode&) const = default;
};

/// @brief One one-way link. Its number is its place in the network's list of links, from 1.
struct NetworkLink
{
    int from = 0;
    int to = 0;
    double weight = 0;

    bool operator==(const NetworkLink&) const = default;
};

/// @brief A directed network of any number of nodes: numbered nodes with an optional name and a
/// place, and one-way weighted links between two different nodes, at most one per direction.
///
/// A value: copies share their data until one of them changes, so handing a network around
/// costs a pointer. The model keeps any weight it is given (negative, and the infinity a weight
/// box reads for a number beyond a double's range); what a method or a window accepts is theirs
/// to check, firstNonFiniteLink and hasNegativeWeight help.
class Network final
{
public:
    /// @brief A network of @p nodeCount nodes (none for 0 or less) without links.
    explicit Network(int nodeCount = 0);
    /// @brief A network of @p nodeCount nodes and @p links, added in order with addLink.
    Network(int nodeCount, std::span<const NetworkLink> links);

    int nodeCount() const { return int(m_data->nodes.size()); }
    int linkCount() const { return int(m_data->links.size()); }
    bool hasNode(int number) const { return number >= 1 && number <= nodeCount(); }
    bool hasLink(int number) const { return number >= 1 && number <= linkCount(); }

    const std::vector<NetworkNode>& nodes() const { return m_data->nodes; }
    const std::vector<NetworkLink>& links() const { return m_data->links; }
    /// @brief Node or link @p number; std::out_of_range where there is none.
    const NetworkNode& node(int number) const;
    const NetworkLink& link(int number) const;

    /// @brief The number of the link from @p from to @p to, 0 where there is none.
    int findLink(int from, int to) const;
    /// @brief How texts name node @p number: its name, or its number where it has no name.
    std::string nodeLabel(int number) const;
    /// @brief The weights, link 1 first.
    std::vector<double> weights() const;

    /// @brief Adds a node after the last one and returns its number.
    int addNode(std::string name = {}, double x = 0, double y = 0);
    void setNodeName(int number, std::string name);
    void setNodePlace(int number, double x, double y);
    /// @brief Adds a link and returns its number. std::invalid_argument where an end is no node,
    /// both ends are one node, or the network has a link in that direction already.
    int addLink(int from, int to, double weight);
    void setWeight(int link, double weight);
    /// @brief Every weight at once, link 1 first; std::invalid_argument unless there is one per
    /// link.
    void setWeights(std::span<const double> weights);
    /// @brief Removes node @p number with every link to or from it; later nodes and the link ends
    /// naming them are numbered one lower, the other links keep their order. std::out_of_range
    /// where there is no such node.
    void removeNode(int number);
    /// @brief Removes link @p number; later links are numbered one lower. std::out_of_range where
    /// there is no such link.
    void removeLink(int number);

    friend bool operator==(const Network& a, const Network& b)
    {
        return a.m_data == b.m_data || (a.nodes() == b.nodes() && a.links() == b.links());
    }

private:
    struct Data
    {
        std::vector<NetworkNode> nodes;
        std::vector<NetworkLink> links;
    };
    Data& edit();

    std::shared_ptr<Data> m_data; ///< changed only through edit()
};

/// @brief Items as a sentence lists them: "1, 3, 4, dan 6", "1 dan 4", "1".
std::string listText(std::span<const std::string> items);

/// @brief The first link whose weight is no finite number, 0 where every weight is one.
int firstNonFiniteLink(const Network& network);

/// @brief Whether some link weighs less than 0.
bool hasNegativeWeight(const Network& network);

} // namespace trayeko
