#include "core/steps.h"

#include "core/numbertext.h"
#include "core/routes.h"
#include "core/shortestpath.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace trayeko {

namespace {

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
    return distanceText(before, separator) + " → " + formatGeneral(after, separator);
}

std::string nodeText(const Network& network, int n)
{
    return "simpul " + network.nodeLabel(n);
}

void describeDijkstraStep(const Network& network, DijkstraStep& step, bool first, bool last,
                          const std::vector<double>& before, std::string_view separator)
{
    step.codeLines = {kWhileLeft, kChooseNearest, kFix, kEachLink};
    if (first)
        step.codeLines.insert(step.codeLines.begin(), {kInitAll, kInitStart});
    const auto& links = network.links();
    const bool anyOpenLink = std::any_of(links.begin(), links.end(), [&](const NetworkLink& l) {
        return l.from == step.fixedNode && !step.fixed[at(l.to)];
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
             changeText(old == kNoPath ? std::nullopt : std::optional<double>(old), imp.distance,
                        separator) +
                 " (asal " + std::to_string(step.fixedNode) + ")"});
    }
}

} // namespace

std::vector<std::string> dijkstraPseudoCode(int startNode, int endNode)
{
    const std::string end = std::to_string(endNode);
    return {
        "untuk setiap simpul v: d[v] ← ∞, asal[v] ← –",
        "d[" + std::to_string(startNode) + "] ← 0",
        "selama ada simpul belum tetap yang terjangkau:",
        "    u ← simpul belum tetap dengan d[u] terkecil",
        "    tetapkan u",
        "    untuk setiap jalur u→v dengan v belum tetap:",
        "        jika d[u] + w(u→v) < d[v]:",
        "            d[v] ← d[u] + w(u→v)",
        "            asal[v] ← u",
        "d[" + end + "] adalah jarak terpendek ke simpul " + end,
    };
}

const std::vector<std::string>& dijkstraPseudoCode()
{
    static const std::vector<std::string> lines = dijkstraPseudoCode(kStartNode, kEndNode);
    return lines;
}

std::vector<std::string> floydPseudoCode(int nodeCount)
{
    const std::string n = std::to_string(nodeCount);
    return {
        "d[i][j] ← w(i→j); 0 bila i = j; ∞ bila tak ada jalur",
        "untuk k ← 1 sampai " + n + ":",
        "    untuk i ← 1 sampai " + n + ":",
        "        untuk j ← 1 sampai " + n + ":",
        "            jika d[i][k] + d[k][j] < d[i][j]:",
        "                d[i][j] ← d[i][k] + d[k][j]",
    };
}

const std::vector<std::string>& floydPseudoCode()
{
    static const std::vector<std::string> lines = floydPseudoCode(kNodeCount);
    return lines;
}

std::string floydChangeText(const FloydChange& c, int k, std::string_view decimalSeparator)
{
    return matrixCell(c.from, c.to) + " = min(" + distanceText(c.before, decimalSeparator) + ", " +
           matrixCell(c.from, k) + " + " + matrixCell(k, c.to) +
           ") = " + formatGeneral(c.after, decimalSeparator);
}

namespace {

// The closing sentence of the last step, given the steps' final distances.
using ClosingSentence = std::function<std::string(const DijkstraStep& last)>;

std::vector<DijkstraStep> stepsWith(const Network& network, int startNode,
                                    std::string_view decimalSeparator,
                                    const ClosingSentence& closing)
{
    std::vector<DijkstraStep> steps;
    const auto n = std::size_t(network.nodeCount());
    // Edge k - 1 is link k, so the rounds name links by their numbers.
    for (const DijkstraRound& round :
         dijkstraRounds(network.nodeCount(), network.links(), startNode)) {
        DijkstraStep step;
        step.startNode = startNode;
        step.fixedNode = round.settledNode;
        step.fixedDistance = round.distance[at(round.settledNode)];
        step.distance = round.distance;
        step.fixed = round.settled;
        step.bestLink = round.bestEdge;
        step.previous.assign(n, 0);
        for (std::size_t v = 0; v < n; ++v)
            if (step.bestLink[v] != 0)
                step.previous[v] = network.link(step.bestLink[v]).from;
        for (int link : round.improvingEdges) {
            const int node = network.link(link).to;
            step.improvements.push_back({link, node, round.distance[at(node)]});
        }
        steps.push_back(std::move(step));
    }

    std::vector<double> before(n, kNoPath);
    if (network.hasNode(startNode))
        before[at(startNode)] = 0;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        DijkstraStep& step = steps[s];
        describeDijkstraStep(network, step, s == 0, s + 1 == steps.size(), before,
                             decimalSeparator);
        before = step.distance;
        std::string text = stepPrefix(int(s + 1), steps.size()) + nodeText(network, step.fixedNode) +
                           " ditetapkan dengan jarak " +
                           formatGeneral(step.fixedDistance, decimalSeparator);
        if (step.improvements.empty())
            text += "; tidak ada jarak yang membaik";
        for (std::size_t i = 0; i < step.improvements.size(); ++i) {
            const Improvement& imp = step.improvements[i];
            text += i == 0 ? "; " : ", ";
            text += "jalur " + network.nodeLabel(network.link(imp.link).from) + "→" +
                    network.nodeLabel(imp.node) +
                    " memperbaiki jarak " + nodeText(network, imp.node) + " menjadi " +
                    formatGeneral(imp.distance, decimalSeparator);
        }
        text += '.';
        if (s + 1 == steps.size())
            text += closing(step);
        step.explanation = std::move(text);
    }
    return steps;
}

} // namespace

std::vector<DijkstraStep> dijkstraSteps(const Network& network, int startNode, int endNode,
                                        std::string_view decimalSeparator)
{
    return stepsWith(network, startNode, decimalSeparator, [&](const DijkstraStep& last) {
        if (!network.hasNode(endNode) || last.distance[at(endNode)] == kNoPath)
            return " " + nodeText(network, endNode) + " tidak terjangkau dari " +
                   nodeText(network, startNode) + ".";
        std::vector<std::string> labels;
        for (int v = endNode; v != 0 && labels.size() <= last.previous.size();
             v = last.previous[at(v)])
            labels.insert(labels.begin(), network.nodeLabel(v));
        return " Jarak terpendek ke " + nodeText(network, endNode) + " adalah " +
               formatGeneral(last.distance[at(endNode)], decimalSeparator) + ", lewat simpul " +
               listText(labels) + ".";
    });
}

std::vector<DijkstraStep> dijkstraSteps(const LinkWeights& weights,
                                        std::string_view decimalSeparator)
{
    return stepsWith(demoNetwork(weights), kStartNode, decimalSeparator, [&](const DijkstraStep&) {
        // The closing sentence names the route the run shows, so that stepping and running
        // never tell a student two different answers when routes tie.
        const auto totals = computeRouteTotals(weights, decimalSeparator);
        const auto chosen = selectShortestRoute(totals, decimalSeparator);
        if (!chosen)
            return std::string();
        return " Jarak terpendek ke simpul 7 adalah " + totals[at(*chosen)] + ", lewat simpul " +
               std::string(candidateRoute(*chosen).nodeText) + " (jalur terpilih nomor " +
               std::to_string(*chosen) + ").";
    });
}

std::vector<int> treeRoute(const DijkstraStep& step, int node)
{
    std::vector<int> links;
    const auto n = step.distance.size();
    if (node < 1 || std::size_t(node) > n || step.distance[at(node)] == kNoPath)
        return links;
    // Every best link leads from a node that was fixed earlier, so the walk back ends at the
    // start within n links.
    while (node != step.startNode && links.size() < n) {
        const int link = step.bestLink[at(node)];
        if (link == 0)
            return {};
        links.insert(links.begin(), link);
        node = step.previous[at(node)];
    }
    return node == step.startNode ? links : std::vector<int>{};
}

std::vector<FloydIteration> floydChanges(const Network& network, int startNode, int endNode,
                                         std::string_view decimalSeparator)
{
    const int n = network.nodeCount();
    std::vector<FloydIteration> iterations;
    FloydMatrices m(network, true);
    for (int k = 1; k <= n; ++k) {
        const FloydMatrices before = m;
        m.relaxThrough(k);
        FloydIteration it;
        it.k = k;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                const auto old = before.value(i, j);
                const auto now = m.value(i, j);
                if (!sameCell(old, now))
                    it.changes.push_back({i, j, old, *now});
            }
        std::string text =
            stepPrefix(k, std::size_t(n)) + nodeText(network, k) + " sebagai perantara; ";
        if (it.changes.empty())
            text += "tidak ada jarak yang membaik";
        for (std::size_t c = 0; c < it.changes.size(); ++c) {
            const FloydChange& change = it.changes[c];
            text += (c == 0 ? "" : ", ") + network.nodeLabel(change.from) + "→" +
                    network.nodeLabel(change.to) + " turun dari " +
                    distanceText(change.before, decimalSeparator) + " menjadi " +
                    formatGeneral(change.after, decimalSeparator) + " lewat " +
                    nodeText(network, k);
        }
        it.explanation = text + '.';
        for (int i = 1; i <= n; ++i)
            it.value.push_back(m.valueRow(i));
        it.codeLines = {kEachK, kEachI, kEachJ, kIfShorterVia};
        if (k == 1)
            it.codeLines.insert(it.codeLines.begin(), kInitMatrix);
        if (!it.changes.empty())
            it.codeLines.push_back(kSetVia);
        it.variables = {{"k", std::to_string(k)}};
        for (const FloydChange& c : it.changes)
            it.variables.push_back(
                {matrixCell(c.from, c.to), changeText(c.before, c.after, decimalSeparator)});
        if (network.hasNode(startNode))
            it.fromStart = m.valueRow(startNode);
        const std::vector<int> route = floydRoute(network, m, startNode, endNode);
        for (std::size_t r = 1; r < route.size(); ++r)
            it.routeLinks.push_back(network.findLink(route[r - 1], route[r]));
        iterations.push_back(std::move(it));
    }
    return iterations;
}

std::vector<FloydIteration> floydChanges(const LinkWeights& weights,
                                         std::string_view decimalSeparator)
{
    return floydChanges(demoNetwork(weights), kStartNode, kEndNode, decimalSeparator);
}

FloydListingMarks floydListingMarks(const std::vector<FloydIteration>& iterations)
{
    // One block per iteration and one iteration per node.
    const int n = int(iterations.size());
    FloydListingMarks marks;
    marks.valueLines.resize(std::size_t(valueRowLine(n, n, n) + 1));
    marks.nodeLines.resize(std::size_t(nodeRowLine(n, n, n) + 1));
    for (const FloydIteration& it : iterations)
        for (const FloydChange& c : it.changes) {
            marks.valueLines[std::size_t(valueRowLine(it.k, c.from, n))].push_back(c.to - 1);
            marks.nodeLines[std::size_t(nodeRowLine(it.k, c.from, n))].push_back(c.to - 1);
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
                distanceText(c.before, decimalSeparator) + " menjadi " +
                formatGeneral(c.after, decimalSeparator);
        any = true;
    }
    if (!any)
        text += "baris " + std::to_string(row) + " tidak berubah";
    return text;
}

std::string floydCellText(const std::optional<double>& cell, std::string_view decimalSeparator)
{
    return distanceText(cell, decimalSeparator);
}

} // namespace trayeko
