#include "core/demonetwork.h"

#include "core/numbertext.h"

#include <stdexcept>

namespace trayeko {

const std::array<LinkInfo, kLinkCount>& demoLinks()
{
    // Link 11 runs against the node order, from node 6 up to node 5.
    static constexpr std::array<LinkInfo, kLinkCount> links{{
        {1, 1, 2, 7},
        {2, 1, 3, 6},
        {3, 1, 4, 8},
        {4, 2, 3, 1},
        {5, 3, 4, 2},
        {6, 2, 5, 4},
        {7, 3, 5, 4},
        {8, 3, 6, 4},
        {9, 4, 6, 5},
        {10, 1, 7, 16},
        {11, 6, 5, 1},
        {12, 4, 7, 15},
        {13, 5, 7, 6},
        {14, 6, 7, 8},
    }};
    return links;
}

const LinkInfo& demoLink(int k)
{
    if (k < 1 || k > kLinkCount)
        throw std::out_of_range("link number");
    return demoLinks()[size_t(k - 1)];
}

const LinkInfo* findLink(int fromNode, int toNode)
{
    for (const LinkInfo& l : demoLinks())
        if (l.fromNode == fromNode && l.toNode == toNode)
            return &l;
    return nullptr;
}

LinkWeights defaultWeights()
{
    LinkWeights w{};
    for (const LinkInfo& l : demoLinks())
        w[size_t(l.number - 1)] = l.defaultWeight;
    return w;
}

std::string defaultWeightText(int k)
{
    return std::to_string(demoLink(k).defaultWeight);
}

Network demoNetwork(const LinkWeights& weights)
{
    // The centres of the drawing's circles: their top-left corners plus half their 735 twips.
    static constexpr std::array<std::array<double, 2>, kNodeCount> places{{
        {847.5, 3127.5},
        {3247.5, 1087.5},
        {3247.5, 3127.5},
        {3247.5, 5167.5},
        {5767.5, 2167.5},
        {5767.5, 4087.5},
        {8047.5, 3127.5},
    }};
    Network network(kNodeCount);
    for (int n = 1; n <= kNodeCount; ++n)
        network.setNodePlace(n, places[at(n)][0], places[at(n)][1]);
    for (const LinkInfo& l : demoLinks())
        network.addLink(l.fromNode, l.toNode, weights[at(l.number)]);
    return network;
}

const Network& demoNetwork()
{
    static const Network network = demoNetwork(defaultWeights());
    return network;
}

LinkWeights demoWeights(const Network& network)
{
    if (network.linkCount() != kLinkCount)
        throw std::invalid_argument("the demonstration network has fourteen links");
    LinkWeights w{};
    for (int k = 1; k <= kLinkCount; ++k)
        w[at(k)] = network.link(k).weight;
    return w;
}

LinkWeights readLinkWeights(std::span<const std::string, kLinkCount> texts,
                            std::string_view decimalSeparator)
{
    LinkWeights w{};
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = parseLeadingNumber(texts[i], decimalSeparator);
    return w;
}

} // namespace trayeko
