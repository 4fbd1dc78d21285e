#include "core/routes.h"

#include "core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace trayeko {

namespace {

double routeTotal(const CandidateRoute& route, const LinkWeights& weights)
{
    // Added in travel order, starting from the first weight, so the sum is the one shown.
    double total = weights[std::size_t(route.links.front() - 1)];
    for (std::size_t i = 1; i < route.links.size(); ++i)
        total += weights[std::size_t(route.links[i] - 1)];
    return total;
}

std::string joinWeights(const CandidateRoute& route, const LinkWeights& weights,
                        std::string_view separator, std::string_view decimalSeparator)
{
    std::string text;
    for (std::size_t i = 0; i < route.links.size(); ++i) {
        if (i > 0)
            text += separator;
        text += formatGeneral(weights[std::size_t(route.links[i] - 1)], decimalSeparator);
    }
    return text;
}

} // namespace

const std::array<CandidateRoute, kRouteCount>& candidateRoutes()
{
    // The nodeText of route 3 has no comma after the first node; that is how it is shown.
    static const std::array<CandidateRoute, kRouteCount> routes{{
        {1, "1 dan 7", {10}, {}},
        {2, "1, 2, 5, dan 7", {1, 6, 13}, {2, 5}},
        {3, "1 2, 3, 5, dan 7", {1, 4, 7, 13}, {2, 3, 5}},
        {4, "1, 2, 3, 6, 5, dan 7", {1, 4, 8, 11, 13}, {2, 3, 6, 5}},
        {5, "1, 2, 3, 6, dan 7", {1, 4, 8, 14}, {2, 3, 6}},
        {6, "1, 2, 3, 4, 6, 5, dan 7", {1, 4, 5, 9, 11, 13}, {2, 3, 4, 6, 5}},
        {7, "1, 2, 3, 4, 6, dan 7", {1, 4, 5, 9, 14}, {2, 3, 4, 6}},
        {8, "1, 2, 3, 4, dan 7", {1, 4, 5, 12}, {2, 3, 4}},
        {9, "1, 3, 5, dan 7", {2, 7, 13}, {3, 5}},
        {10, "1, 3, 6, 5, dan 7", {2, 8, 11, 13}, {3, 6, 5}},
        {11, "1, 3, 6, dan 7", {2, 8, 14}, {3, 6}},
        {12, "1, 3, 4, 6, 5, dan 7", {2, 5, 9, 11, 13}, {3, 4, 6, 5}},
        {13, "1, 3, 4, 6, dan 7", {2, 5, 9, 14}, {3, 4, 6}},
        {14, "1, 3, 4, dan 7", {2, 5, 12}, {3, 4}},
        {15, "1, 4, 6, 5, dan 7", {3, 9, 11, 13}, {4, 6, 5}},
        {16, "1, 4, 6, dan 7", {3, 9, 14}, {4, 6}},
        {17, "1, 4, dan 7", {3, 12}, {4}},
    }};
    return routes;
}

const CandidateRoute& candidateRoute(int n)
{
    if (n < 1 || n > kRouteCount)
        throw std::out_of_range("route number");
    return candidateRoutes()[std::size_t(n - 1)];
}

std::array<std::string, kRouteCount> computeRouteTotals(const LinkWeights& weights,
                                                        std::string_view decimalSeparator)
{
    std::array<std::string, kRouteCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = formatGeneral(routeTotal(candidateRoutes()[i], weights), decimalSeparator);
    return texts;
}

std::optional<int> selectShortestRoute(const std::array<std::string, kRouteCount>& totalTexts,
                                       std::string_view decimalSeparator)
{
    // The totals are compared as they are shown, so the choice matches what the user reads.
    std::array<double, kRouteCount> shown{};
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = readBackNumber(totalTexts[i], decimalSeparator);
    for (std::size_t n = 0; n < shown.size(); ++n) {
        bool passes = true;
        for (std::size_t m = 0; m < shown.size() && passes; ++m)
            passes = m == n || shown[n] <= shown[m];
        if (passes)
            return int(n + 1);
    }
    return std::nullopt;
}

namespace {

// The verdict on the weights and the link (1 ... 14) it points at: the first weight that fails
// the check, or for a route whose total overflows, the largest weight along it.
std::pair<WeightVerdict, int> examineWeights(const LinkWeights& weights)
{
    const auto firstLink = [&weights](auto fails) {
        for (int k = 1; k <= kLinkCount; ++k)
            if (fails(weights[std::size_t(k - 1)]))
                return k;
        return 0;
    };
    if (const int k = firstLink([](double w) { return w < 0; }))
        return {WeightVerdict::Negative, k};
    if (const int k = firstLink([](double w) { return w == 0; }))
        return {WeightVerdict::Zero, k};
    if (const int k = firstLink([](double w) { return !std::isfinite(w); }))
        return {WeightVerdict::TooLarge, k};
    for (const CandidateRoute& route : candidateRoutes())
        if (!std::isfinite(routeTotal(route, weights)))
            return {WeightVerdict::TooLarge,
                    *std::max_element(route.links.begin(), route.links.end(), [&](int a, int b) {
                        return weights[std::size_t(a - 1)] < weights[std::size_t(b - 1)];
                    })};
    return {WeightVerdict::Accepted, 0};
}

} // namespace

WeightVerdict checkWeights(const LinkWeights& weights)
{
    return examineWeights(weights).first;
}

int refusedLink(const LinkWeights& weights)
{
    return examineWeights(weights).second;
}

std::string_view refusalMessage(WeightVerdict verdict)
{
    switch (verdict) {
    case WeightVerdict::Negative:
        return "Inputan untuk semua bobot tidak boleh negatif";
    case WeightVerdict::Zero:
        return "Karena ada jalur yang memiliki bobot 'nol' maka jalur tidak ada";
    case WeightVerdict::TooLarge:
        return "Bobot terlalu besar untuk dihitung";
    case WeightVerdict::Accepted:
        break;
    }
    return {};
}

std::string totalCaption(std::optional<double> total, std::string_view decimalSeparator)
{
    return "Total jarak = " + (total ? formatGeneral(*total, decimalSeparator) : std::string("~"));
}

std::string routeWeightsText(const CandidateRoute& route, const LinkWeights& weights,
                             std::string_view decimalSeparator)
{
    return joinWeights(route, weights, " --> ", decimalSeparator);
}

std::string routeNumberText(int routeNumber)
{
    return "Jalur terpilih nomor " + std::to_string(routeNumber);
}

std::string detailTableText(const LinkWeights& weights,
                            const std::array<std::string, kRouteCount>& totalTexts,
                            std::string_view decimalSeparator)
{
    std::string text;
    for (const CandidateRoute& route : candidateRoutes()) {
        const int k = route.number;
        if (k > 1)
            text += "\r\n";
        text += std::to_string(k) + (k < 10 ? ".   " : ".  ");
        text += joinWeights(route, weights, "     ", decimalSeparator);
        text += k == kRouteCount ? "  = " : " = ";
        text += formatGeneral(readBackNumber(totalTexts[std::size_t(k - 1)], decimalSeparator),
                              decimalSeparator);
    }
    return text;
}

} // namespace trayeko
