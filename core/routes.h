#pragma once

#include "core/demonetwork.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

inline constexpr int kRouteCount = 17;

/// @brief One of the seventeen fixed routes from node 1 to node 7.
struct CandidateRoute
{
    int number;                   ///< 1 ... 17, also the number of its total box h1 ... h17
    std::string_view nodeText;    ///< shown in txtsimpul, e.g. "1, 3, 5, dan 7"
    std::vector<int> links;       ///< link numbers in travel order
    std::vector<int> innerNodes;  ///< nodes strictly between 1 and 7, in travel order
};

/// @brief The table of all seventeen routes, route 1 (the direct link 10) first.
const std::array<CandidateRoute, kRouteCount>& candidateRoutes();

/// @brief The route with number @p n (1 ... 17).
const CandidateRoute& candidateRoute(int n);

/// @brief The seventeen route totals as texts (formatGeneral), route 1 first.
std::array<std::string, kRouteCount> computeRouteTotals(const LinkWeights& weights,
                                                         std::string_view decimalSeparator = ".");

/// @brief Chooses the route with the smallest displayed total; the lowest number wins a tie.
///
/// Each text is read back with readBackNumber, so the choice compares totals as shown (rounded to
/// 15 significant digits) and is the same whatever the separator. Returns nothing where no route
/// passes (only possible with NaN totals).
std::optional<int> selectShortestRoute(const std::array<std::string, kRouteCount>& totalTexts,
                                       std::string_view decimalSeparator = ".");

/// @brief Why a Dijkstra run refuses its weights, checked in this order.
enum class WeightVerdict
{
    Accepted,
    Negative,  ///< some weight < 0
    Zero,      ///< else some weight == 0
    TooLarge,  ///< else some weight or route total is not a finite number
};

/// @brief Applies the three checks of a Dijkstra run to the weights.
WeightVerdict checkWeights(const LinkWeights& weights);

/// @brief The link (1 ... 14) whose weight made checkWeights refuse: the first weight that fails
/// the refusing check, or for a route total that overflows, the first of the largest weights
/// along the first such route; 0 where the weights are accepted.
int refusedLink(const LinkWeights& weights);

/// @brief The message box text for a refusal (empty for Accepted).
std::string_view refusalMessage(WeightVerdict verdict);

/// @brief Title of every refusal message box.
inline constexpr std::string_view kRefusalTitle = "Input Salah";

/// @brief "Total jarak = " followed by formatGeneral(total), or by "~" where no route is known.
std::string totalCaption(std::optional<double> total, std::string_view decimalSeparator = ".");

/// @brief The weights of the route's links in travel order, joined by " --> ".
std::string routeWeightsText(const CandidateRoute& route, const LinkWeights& weights,
                             std::string_view decimalSeparator = ".");

/// @brief "Jalur terpilih nomor N".
std::string routeNumberText(int routeNumber);

/// @brief The seventeen-line detail table: lines joined by "\r\n", none after line 17.
///
/// Line k: "k.   " (two blanks from 10 on), the route's weights separated by five blanks,
/// " = " ("  = " on line 17) and the total read back from @p totalTexts[k - 1].
std::string detailTableText(const LinkWeights& weights,
                            const std::array<std::string, kRouteCount>& totalTexts,
                            std::string_view decimalSeparator = ".");

} // namespace trayeko
