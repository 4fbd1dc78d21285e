#include "core/steps.h"

#include "core/numbertext.h"
#include "core/routes.h"
#include "core/shortestpath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace trayeko {

namespace {

constexpr double kUnreached = std::numeric_limits<double>::infinity();

std::size_t at(int n)
{
    return std::size_t(n - 1);
}

std::string stepPrefix(int k, std::size_t n)
{
    return "Langkah " + std::to_string(k) + " dari " + std::to_string(n) + ": ";
}

// The listing counts a cell as changed when floydStep wrote it; a NaN that stays NaN is no change.
bool sameCell(const std::optional<double>& a, const std::optional<double>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || std::memcmp(&*a, &*b, sizeof(double)) == 0;
}

std::string arrow(int from, int to)
{
    return std::to_string(from) + "→" + std::to_string(to);
}

std::string matrixCell(int i, int j)
{
    return "d[" + std::to_string(i) + "][" + std::to_string(j) + "]";
}

std::string pairText(const FloydChange& c)
{
    return arrow(c.from, c.to);
}

// The lines of the pseudo-code below that the steps name; they count from 1.
enum DijkstraLine : int
{
    kInitAll = 1,
    kInitStart,
    kWhileLeft,
    kChooseNearest,
    kFix,
    kEachLink,
    kIfShorter,
    kSetDistance,
    kSetPredecessor,
    kResult,
};
enum FloydLine : int
{
    kInitMatrix = 1,
    kEachK,
    kEachI,
    kEachJ,
    kIfShorterVia,
    kSetVia
};

std::string changeText(const std::optional<double>& before, double after,
                       std::string_view separator)
{
    return floydCellText(before, separator) + " → " + formatGeneral(after, separator);
}

void describeDijkstraStep(DijkstraStep& step, bool first, bool last,
                          const std::array<double, kNodeCount>& before, std::string_view separator)
{
    step.codeLines = {kWhileLeft, kChooseNearest, kFix, kEachLink};
    if (first)
        step.codeLines.insert(step.codeLines.begin(), {kInitAll, kInitStart});
    const bool anyOpenLink = std::any_of(demoLinks().begin(), demoLinks().end(), [&](auto& link) {
        return link.fromNode == step.fixedNode && !step.fixed[at(link.toNode)];
    });
    if (anyOpenLink)
        step.codeLines.push_back(kIfShorter);
    if (!step.improvements.empty())
        step.codeLines.insert(step.codeLines.end(), {kSetDistance, kSetPredecessor});
    if (last)
        step.codeLines.push_back(kResult);

    step.variables = {{"u", std::to_string(step.fixedNode)},
                      {"d[u]", formatGeneral(step.fixedDistance, separator)}};
    for (const Improvement& imp : step.improvements) {
        const double old = before[at(imp.node)];
        step.variables.push_back(
            {"d[" + std::to_string(imp.node) + "]",
             changeText(old == kUnreached ? std::nullopt : std::optional<double>(old), imp.distance,
                        separator) +
                 " (asal " + std::to_string(step.fixedNode) + ")"});
    }
}

} // namespace

const std::vector<std::string>& dijkstraPseudoCode()
{
    static const std::vector<std::string> lines{
        "untuk setiap simpul v: d[v] ← ∞, asal[v] ← –",
        "d[1] ← 0",
        "selama ada simpul belum tetap yang terjangkau:",
        "    u ← simpul belum tetap dengan d[u] terkecil",
        "    tetapkan u",
        "    untuk setiap jalur u→v dengan v belum tetap:",
        "        jika d[u] + w(u→v) < d[v]:",
        "            d[v] ← d[u] + w(u→v)",
        "            asal[v] ← u",
        "d[7] adalah jarak terpendek ke simpul 7",
    };
    return lines;
}

const std::vector<std::string>& floydPseudoCode()
{
    static const std::vector<std::string> lines{
        "d[i][j] ← w(i→j); 0 bila i = j; ∞ bila tak ada jalur",
        "untuk k ← 1 sampai 7:",
        "    untuk i ← 1 sampai 7:",
        "        untuk j ← 1 sampai 7:",
        "            jika d[i][k] + d[k][j] < d[i][j]:",
        "                d[i][j] ← d[i][k] + d[k][j]",
    };
    return lines;
}

std::string floydChangeText(const FloydChange& c, int k, std::string_view decimalSeparator)
{
    return matrixCell(c.from, c.to) + " = min(" + floydCellText(c.before, decimalSeparator) + ", " +
           matrixCell(c.from, k) + " + " + matrixCell(k, c.to) +
           ") = " + formatGeneral(c.after, decimalSeparator);
}

std::vector<DijkstraStep> dijkstraSteps(const LinkWeights& weights,
                                        std::string_view decimalSeparator)
{
    std::vector<DijkstraStep> steps;
    // Edge k - 1 is link k, so the rounds name links by their numbers.
    for (const DijkstraRound& round : dijkstraRounds(kNodeCount, demoEdges(weights), kStartNode)) {
        DijkstraStep step;
        step.fixedNode = round.settledNode;
        step.fixedDistance = round.distance[at(round.settledNode)];
        for (int v = 1; v <= kNodeCount; ++v) {
            step.distance[at(v)] = round.distance[at(v)];
            step.fixed[at(v)] = round.settled[at(v)];
            step.bestLink[at(v)] = round.bestEdge[at(v)];
        }
        for (int link : round.improvingEdges) {
            const int node = demoLinks()[at(link)].toNode;
            step.improvements.push_back({link, node, round.distance[at(node)]});
        }
        steps.push_back(std::move(step));
    }

    std::array<double, kNodeCount> before{};
    before.fill(kUnreached);
    before[at(kStartNode)] = 0;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        DijkstraStep& step = steps[s];
        describeDijkstraStep(step, s == 0, s + 1 == steps.size(), before, decimalSeparator);
        before = step.distance;
        std::string text = stepPrefix(int(s + 1), steps.size()) + "simpul " +
                           std::to_string(step.fixedNode) + " ditetapkan dengan jarak " +
                           formatGeneral(step.fixedDistance, decimalSeparator);
        if (step.improvements.empty())
            text += "; tidak ada jarak yang membaik";
        for (std::size_t i = 0; i < step.improvements.size(); ++i) {
            const Improvement& imp = step.improvements[i];
            text += i == 0 ? "; " : ", ";
            text += "jalur " + arrow(demoLink(imp.link).fromNode, imp.node) +
                    " memperbaiki jarak simpul " + std::to_string(imp.node) + " menjadi " +
                    formatGeneral(imp.distance, decimalSeparator);
        }
        text += '.';
        if (s + 1 == steps.size()) {
            // The closing sentence names the route the run shows, so that stepping and running
            // never tell a student two different answers when routes tie.
            const auto totals = computeRouteTotals(weights, decimalSeparator);
            if (const auto chosen = selectShortestRoute(totals, decimalSeparator))
                text += " Jarak terpendek ke simpul 7 adalah " + totals[at(*chosen)] +
                        ", lewat simpul " + std::string(candidateRoute(*chosen).nodeText) +
                        " (jalur terpilih nomor " + std::to_string(*chosen) + ").";
        }
        step.explanation = std::move(text);
    }
    return steps;
}

std::vector<int> treeRoute(const DijkstraStep& step, int node)
{
    std::vector<int> links;
    if (node < 1 || node > kNodeCount || step.distance[at(node)] == kUnreached)
        return links;
    // Every best link leads from a node that was fixed earlier, so the walk back ends at node 1
    // within kNodeCount links.
    while (node != kStartNode && int(links.size()) < kNodeCount) {
        const int link = step.bestLink[at(node)];
        if (link == 0)
            return {};
        links.insert(links.begin(), link);
        node = demoLink(link).fromNode;
    }
    return node == kStartNode ? links : std::vector<int>{};
}

std::vector<FloydIteration> floydChanges(const LinkWeights& weights,
                                         std::string_view decimalSeparator)
{
    std::vector<FloydIteration> iterations;
    FloydMatrices m = initFloydMatrices(weights);
    for (int k = 1; k <= kNodeCount; ++k) {
        const FloydMatrices before = m;
        floydStep(m, k);
        FloydIteration it;
        it.k = k;
        for (int i = 1; i <= kNodeCount; ++i)
            for (int j = 1; j <= kNodeCount; ++j) {
                const auto& old = before.value[at(i)][at(j)];
                const auto& now = m.value[at(i)][at(j)];
                if (!sameCell(old, now))
                    it.changes.push_back({i, j, old, *now});
            }
        std::string text =
            stepPrefix(k, kNodeCount) + "simpul " + std::to_string(k) + " sebagai perantara; ";
        if (it.changes.empty())
            text += "tidak ada jarak yang membaik";
        for (std::size_t n = 0; n < it.changes.size(); ++n) {
            const FloydChange& c = it.changes[n];
            text += (n == 0 ? "" : ", ") + pairText(c) + " turun dari " +
                    floydCellText(c.before, decimalSeparator) + " menjadi " +
                    formatGeneral(c.after, decimalSeparator) + " lewat simpul " + std::to_string(k);
        }
        it.explanation = text + '.';
        it.value = m.value;
        it.codeLines = {kEachK, kEachI, kEachJ, kIfShorterVia};
        if (k == 1)
            it.codeLines.insert(it.codeLines.begin(), kInitMatrix);
        if (!it.changes.empty())
            it.codeLines.push_back(kSetVia);
        it.variables = {{"k", std::to_string(k)}};
        for (const FloydChange& c : it.changes)
            it.variables.push_back(
                {matrixCell(c.from, c.to), changeText(c.before, c.after, decimalSeparator)});
        it.fromStart = m.value[at(kStartNode)];
        const std::vector<int> route = floydRoute(m, kStartNode, kEndNode);
        for (std::size_t n = 1; n < route.size(); ++n)
            it.routeLinks.push_back(findLink(route[n - 1], route[n])->number);
        iterations.push_back(std::move(it));
    }
    return iterations;
}

FloydListingMarks floydListingMarks(const std::vector<FloydIteration>& iterations)
{
    const int blocks = int(iterations.size());
    FloydListingMarks marks;
    marks.valueLines.resize(std::size_t(valueRowLine(blocks, kNodeCount) + 1));
    marks.nodeLines.resize(std::size_t(nodeRowLine(blocks, kNodeCount) + 1));
    for (const FloydIteration& it : iterations)
        for (const FloydChange& c : it.changes) {
            marks.valueLines[std::size_t(valueRowLine(it.k, c.from))].push_back(c.to - 1);
            marks.nodeLines[std::size_t(nodeRowLine(it.k, c.from))].push_back(c.to - 1);
        }
    return marks;
}

std::string floydRowTip(const FloydIteration& it, int row, std::string_view decimalSeparator)
{
    std::string text = "Iterasi " + std::to_string(it.k) + ": ";
    bool any = false;
    for (const FloydChange& c : it.changes) {
        if (c.from != row)
            continue;
        text += (any ? ", " : "") + pairText(c) + " dari " +
                floydCellText(c.before, decimalSeparator) + " menjadi " +
                formatGeneral(c.after, decimalSeparator);
        any = true;
    }
    if (!any)
        text += "baris " + std::to_string(row) + " tidak berubah";
    return text;
}

std::string floydCellText(const std::optional<double>& cell, std::string_view decimalSeparator)
{
    return cell ? formatGeneral(*cell, decimalSeparator) : std::string("∞");
}

} // namespace trayeko
