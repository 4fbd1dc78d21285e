#include "core/floyd.h"

#include "core/numbertext.h"
#include "core/routes.h"

#include <algorithm>
#include <span>
#include <utility>

namespace trayeko {

namespace {

using Runs = std::array<int, kNodeCount - 1>;

// Runs of five spaces between the columns of a matrix that is not the demonstration's.
std::vector<int> plainRuns(int nodeCount)
{
    return std::vector<int>(std::size_t(std::max(nodeCount - 1, 0)), 5);
}

template <typename CellText>
std::string joinRow(int nodeCount, std::span<const int> runs, CellText cellText)
{
    std::string line = cellText(1);
    for (int c = 2; c <= nodeCount; ++c) {
        line.append(std::size_t(runs[at(c - 1)]), ' ');
        line += cellText(c);
    }
    return line;
}

std::string iterationHeader(int k)
{
    return "Iterasi " + std::to_string(k);
}

} // namespace

FloydMatrices initFloydMatrices(const LinkWeights& weights)
{
    return FloydMatrices(demoNetwork(weights), true);
}

void floydStep(FloydMatrices& m, int k)
{
    m.relaxThrough(k);
}

std::array<int, kNodeCount - 1> valueRowSeparators(int listing, int row)
{
    // The listing's columns are spaced by fixed runs, chosen once for the default weights; they
    // stay the same whatever the cells hold so that every run looks alike.
    constexpr Runs plain{5, 5, 5, 5, 5, 5};
    constexpr Runs wideFifth{5, 5, 5, 5, 6, 5};
    constexpr Runs wideSixth{5, 5, 5, 5, 5, 6};
    constexpr Runs narrowFourth{5, 5, 5, 4, 5, 5};
    constexpr Runs narrowLast{5, 5, 5, 4, 4, 4};
    constexpr Runs mixed{5, 5, 5, 4, 6, 6};
    constexpr Runs shortLast{5, 5, 5, 5, 5, 4};
    constexpr Runs wideFourth{5, 5, 5, 6, 5, 5};

    switch (listing) {
    case 0:
    case 1:
        return row == 1 ? wideFifth : plain;
    case 2:
        if (row == 1)
            return narrowFourth;
        return row == 2 || row == 3 ? wideSixth : plain;
    case 3:
        if (row == 1)
            return narrowLast;
        return row == 2 || row == 3 || row == 5 || row == 6 ? wideSixth : plain;
    case 4:
        if (row == 1)
            return narrowLast;
        return row == 2 || row == 3 ? wideSixth : plain;
    case 5:
        switch (row) {
        case 1:
            return narrowLast;
        case 2:
            return wideFifth;
        case 3:
        case 6:
        case 7:
            return wideSixth;
        case 4:
            return mixed;
        default:
            return plain;
        }
    case 6:
        if (row == 1)
            return narrowLast;
        return row == 7 ? shortLast : plain;
    case 7:
        switch (row) {
        case 1:
            return narrowLast;
        case 2:
        case 3:
        case 4:
            return wideFourth;
        case 5:
            return wideSixth;
        case 6:
        case 7:
            return wideFifth;
        default:
            return plain;
        }
    default:
        return plain;
    }
}

std::string formatValueRow(const FloydMatrices& m, int listing, int row,
                           std::string_view decimalSeparator)
{
    if (!m.hasNode(row))
        return {};
    const auto cellText = [&](int c) {
        const std::optional<double> v = m.value(row, c);
        return v ? formatGeneral(*v, decimalSeparator) : std::string("~");
    };
    if (m.nodeCount() == kNodeCount) {
        const Runs runs = valueRowSeparators(listing, row);
        return joinRow(m.nodeCount(), runs, cellText);
    }
    return joinRow(m.nodeCount(), plainRuns(m.nodeCount()), cellText);
}

std::string formatNodeRow(const FloydMatrices& m, int row)
{
    if (!m.hasNode(row) || !m.hasNodeMatrix())
        return {};
    constexpr Runs designRuns{5, 5, 5, 4, 4, 5};
    const std::span<const int> nodes = m.nodeRow(row);
    const auto cellText = [&](int c) { return std::to_string(nodes[at(c)]); };
    if (m.nodeCount() == kNodeCount)
        return joinRow(m.nodeCount(), designRuns, cellText);
    return joinRow(m.nodeCount(), plainRuns(m.nodeCount()), cellText);
}

FloydListing listFloydMatrices(const Network& network, std::string_view decimalSeparator)
{
    const int n = network.nodeCount();
    FloydListing listing;
    listing.valueLines.reserve(std::size_t(valueRowLine(n, n, n) + 1));
    listing.nodeLines.reserve(std::size_t(nodeRowLine(n, n, n) + 1));
    FloydMatrices m(network, true);

    listing.valueLines.emplace_back("Inisialisasi Matrix Nilai");
    listing.nodeLines.emplace_back("Inisialisasi Matrix Simpul");
    for (int row = 1; row <= n; ++row)
        listing.valueLines.push_back(formatValueRow(m, 0, row, decimalSeparator));
    for (int row = 1; row <= n; ++row)
        listing.nodeLines.push_back(formatNodeRow(m, row));

    for (int k = 1; k <= n; ++k) {
        m.relaxThrough(k);
        listing.valueLines.emplace_back();
        listing.valueLines.push_back(iterationHeader(k));
        for (int row = 1; row <= n; ++row)
            listing.valueLines.push_back(formatValueRow(m, k, row, decimalSeparator));
        listing.nodeLines.push_back(iterationHeader(k));
        for (int row = 1; row <= n; ++row)
            listing.nodeLines.push_back(formatNodeRow(m, row));
    }
    listing.final = std::move(m);
    return listing;
}

FloydListing listFloydMatrices(const LinkWeights& weights, std::string_view decimalSeparator)
{
    return listFloydMatrices(demoNetwork(weights), decimalSeparator);
}

std::vector<int> floydRoute(const FloydMatrices& final, int from, int to)
{
    return floydRoute(demoNetwork(), final, from, to);
}

FloydResult floydResult(const LinkWeights& weights, const FloydMatrices& final,
                        std::string_view decimalSeparator)
{
    FloydResult result;
    // The two routes the window has always named: the direct link and the route via node 4.
    result.directTotal = formatGeneral(weights[at(10)], decimalSeparator);
    result.viaFourTotal = formatGeneral(weights[at(3)] + weights[at(12)], decimalSeparator);
    const std::optional<double> total = final.value(kStartNode, kEndNode);
    result.caption = totalCaption(total, decimalSeparator);
    const std::vector<int> route = floydRoute(final, kStartNode, kEndNode);
    for (std::size_t n = 1; n + 1 < route.size(); ++n)
        result.innerNodes.push_back(route[n]);
    for (std::size_t n = 1; n < route.size(); ++n)
        result.links.push_back(findLink(route[n - 1], route[n])->number);
    return result;
}

} // namespace trayeko
