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

LinkWeights readLinkWeights(std::span<const std::string, kLinkCount> texts,
                            std::string_view decimalSeparator)
{
    LinkWeights w{};
    for (size_t i = 0; i < w.size(); ++i)
        w[i] = parseLeadingNumber(texts[i], decimalSeparator);
    return w;
}

} // namespace trayeko
