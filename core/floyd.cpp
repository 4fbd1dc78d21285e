#include "core/floyd.h"

#include "core/numbertext.h"
#include "core/routes.h"

#include <utility>

namespace trayeko {

namespace {

using Runs = std::array<int, kNodeCount - 1>;

bool validNode(int n)
{
    return n >= 1 && n <= kNodeCount;
}

std::size_t at(int n)
{
    return std::size_t(n - 1);
}

template <typename CellText> std::string joinRow(const Runs& runs, CellText cellText)
{
    std::string line = cellText(0);
    for (std::size_t c = 1; c < std::size_t(kNodeCount); ++c) {
        line.append(std::size_t(runs[c - 1]), ' ');
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
    FloydMatrices m;
    for (int i = 1; i <= kNodeCount; ++i)
        for (int j = 1; j <= kNodeCount; ++j)
            m.node[at(i)][at(j)] = j;
    for (int i = 1; i <= kNodeCount; ++i)
        m.value[at(i)][at(i)] = 0.0;
    for (const LinkInfo& link : demoLinks())
        m.value[at(link.fromNode)][at(link.toNode)] = weights[at(link.number)];
    return m;
}

void floydStep(FloydMatrices& m, int k)
{
    if (!validNode(k))
        return;
    for (int i = 1; i <= kNodeCount; ++i) {
        const std::optional<double>& toK = m.value[at(i)][at(k)];
        if (!toK)
            continue;
        for (int j = 1; j <= kNodeCount; ++j) {
            const std::optional<double>& fromK = m.value[at(k)][at(j)];
            if (!fromK)
                continue;
            const double sum = *toK + *fromK;
            std::optional<double>& cell = m.value[at(i)][at(j)];
            // Only a strictly shorter sum replaces a known value: ties keep the older route.
            if (!cell || *cell > sum) {
                cell = sum;
                m.node[at(i)][at(j)] = k;
            }
        }
    }
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
    if (!validNode(row))
        return {};
    const auto& cells = m.value[at(row)];
    return joinRow(valueRowSeparators(listing, row), [&](std::size_t c) {
        return cells[c] ? formatGeneral(*cells[c], decimalSeparator) : std::string("~");
    });
}

std::string formatNodeRow(const FloydMatrices& m, int row)
{
    if (!validNode(row))
        return {};
    constexpr Runs runs{5, 5, 5, 4, 4, 5};
    const auto& cells = m.node[at(row)];
    return joinRow(runs, [&](std::size_t c) { return std::to_string(cells[c]); });
}

FloydListing listFloydMatrices(const LinkWeights& weights, std::string_view decimalSeparator)
{
    FloydListing listing;
    listing.valueLines.reserve(71);
    listing.nodeLines.reserve(64);
    FloydMatrices m = initFloydMatrices(weights);

    listing.valueLines.emplace_back("Inisialisasi Matrix Nilai");
    listing.nodeLines.emplace_back("Inisialisasi Matrix Simpul");
    for (int row = 1; row <= kNodeCount; ++row)
        listing.valueLines.push_back(formatValueRow(m, 0, row, decimalSeparator));
    for (int row = 1; row <= kNodeCount; ++row)
        listing.nodeLines.push_back(formatNodeRow(m, row));

    for (int k = 1; k <= kNodeCount; ++k) {
        floydStep(m, k);
        listing.valueLines.emplace_back();
        listing.valueLines.push_back(iterationHeader(k));
        for (int row = 1; row <= kNodeCount; ++row)
            listing.valueLines.push_back(formatValueRow(m, k, row, decimalSeparator));
        listing.nodeLines.push_back(iterationHeader(k));
        for (int row = 1; row <= kNodeCount; ++row)
            listing.nodeLines.push_back(formatNodeRow(m, row));
    }
    listing.final = m;
    return listing;
}

std::vector<int> floydRoute(const FloydMatrices& final, int from, int to)
{
    if (!validNode(from) || !validNode(to) || !final.value[at(from)][at(to)])
        return {};
    if (from == to)
        return {from};

    // Unfold route(i, j) = route(i, k) + route(k, j) with an explicit stack, leftmost part first.
    // A matrix that did not come from a run can point in circles or name links that do not
    // exist, so every step is checked and the work is bounded.
    std::vector<int> route{from};
    std::vector<std::pair<int, int>> pending{{from, to}};
    int budget = 4 * kNodeCount * kNodeCount;
    while (!pending.empty()) {
        if (--budget < 0)
            return {};
        const auto [i, j] = pending.back();
        pending.pop_back();
        const int k = final.node[at(i)][at(j)];
        if (!validNode(k) || k == i || i == j)
            return {};
        if (k == j) {
            if (findLink(i, j) == nullptr)
                return {};
            route.push_back(j);
            continue;
        }
        pending.emplace_back(k, j);
        pending.emplace_back(i, k);
    }
    return route;
}

FloydResult floydResult(const LinkWeights& weights, const FloydMatrices& final,
                        std::string_view decimalSeparator)
{
    FloydResult result;
    // The two routes the window has always named: the direct link and the route via node 4.
    result.directTotal = formatGeneral(weights[at(10)], decimalSeparator);
    result.viaFourTotal = formatGeneral(weights[at(3)] + weights[at(12)], decimalSeparator);
    const std::optional<double>& total = final.value[at(kStartNode)][at(kEndNode)];
    result.caption = totalCaption(total, decimalSeparator);
    const std::vector<int> route = floydRoute(final, kStartNode, kEndNode);
    for (std::size_t n = 1; n + 1 < route.size(); ++n)
        result.innerNodes.push_back(route[n]);
    for (std::size_t n = 1; n < route.size(); ++n)
        result.links.push_back(findLink(route[n - 1], route[n])->number);
    return result;
}

} // namespace trayeko
