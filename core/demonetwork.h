#pragma once

#include "core/network.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief Number of nodes and of one-way links of the demonstration network.
inline constexpr int kNodeCount = 7;
inline constexpr int kLinkCount = 14;
inline constexpr int kStartNode = 1;
inline constexpr int kEndNode = 7;

/// @brief One one-way link: where it leads and the weight it starts with.
struct LinkInfo
{
    int number; ///< 1 ... 14
    int fromNode;
    int toNode;
    int defaultWeight;
};

/// @brief The link table, link 1 first.
const std::array<LinkInfo, kLinkCount>& demoLinks();

/// @brief The link with number @p k (1 ... 14).
const LinkInfo& demoLink(int k);

/// @brief The link from @p fromNode to @p toNode, or nullptr where there is none.
const LinkInfo* findLink(int fromNode, int toNode);

/// @brief The fourteen link weights, weight k at index k - 1.
using LinkWeights = std::array<double, kLinkCount>;

/// @brief The default weights 7, 6, 8, 1, 2, 4, 4, 4, 5, 16, 1, 15, 6, 8.
LinkWeights defaultWeights();

/// @brief The default weight of link @p k as the integer text the windows write ("7", "16").
std::string defaultWeightText(int k);

/// @brief The demonstration network with @p weights: nodes 1 ... 7 without names, placed where
/// the drawing's circles have their centres (in the design's twips), and link k as in demoLinks.
Network demoNetwork(const LinkWeights& weights);
/// @brief The same with the default weights.
const Network& demoNetwork();

/// @brief The weights of a network with fourteen links as the demonstration windows keep them;
/// std::invalid_argument for any other number of links.
LinkWeights demoWeights(const Network& network);

/// @brief Reads fourteen box texts with parseLeadingNumber and the user's @p decimalSeparator.
LinkWeights readLinkWeights(std::span<const std::string, kLinkCount> texts,
                            std::string_view decimalSeparator = ".");

} // namespace trayeko
