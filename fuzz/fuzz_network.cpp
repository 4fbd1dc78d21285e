// Fourteen arbitrary weight texts through the route choice and the Floyd listing.
//
// The input is split at NUL bytes into the texts of the boxes j1 ... j14 (missing texts are
// empty). The results are checked against the paths from node 1 to node 7 found here by a plain
// depth-first walk over the link table, independently of the route table and of Floyd's method.

#include "core/demonetwork.h"
#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/routes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using trayeko::kEndNode;
using trayeko::kLinkCount;
using trayeko::kRouteCount;
using trayeko::kStartNode;
using trayeko::LinkWeights;

using Path = std::vector<int>; // link numbers in travel order

const LinkWeights* currentWeights = nullptr;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_network: %s\n  weights:", what);
    if (currentWeights)
        for (double w : *currentWeights)
            std::fprintf(stderr, " %.17g", w);
    std::fprintf(stderr, "\n");
    std::abort();
}

void walk(int node, Path& path, std::vector<Path>& found)
{
    if (node == kEndNode) {
        found.push_back(path);
        return;
    }
    for (const auto& link : trayeko::demoLinks()) {
        if (link.fromNode != node)
            continue;
        path.push_back(link.number);
        walk(link.toNode, path, found);
        path.pop_back();
    }
}

// Every path from node 1 to node 7; the walk ends because the network has no cycle.
const std::vector<Path>& allPaths()
{
    static const std::vector<Path> paths = [] {
        std::vector<Path> found;
        Path path;
        walk(kStartNode, path, found);
        if (found.size() != std::size_t(kRouteCount))
            fail("the link table does not give 17 paths from node 1 to node 7");
        for (const auto& route : trayeko::candidateRoutes())
            if (std::find(found.begin(), found.end(), route.links) == found.end())
                fail("a candidate route is not a path of the network");
        return found;
    }();
    return paths;
}

double pathTotal(const Path& path, const LinkWeights& w)
{
    double total = 0;
    bool first = true;
    for (int k : path) {
        total = first ? w[k - 1] : total + w[k - 1];
        first = false;
    }
    return total;
}

double pathMagnitude(const Path& path, const LinkWeights& w)
{
    double sum = 0;
    for (int k : path)
        sum += std::fabs(w[k - 1]);
    return sum;
}

double roundedTo15(double value)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14e", value);
    return std::strtod(digits, nullptr);
}

// The links of a node sequence, or nothing where two neighbours are not joined by a link.
std::optional<Path> linksAlong(const std::vector<int>& nodes)
{
    Path links;
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        const auto* link = trayeko::findLink(nodes[i - 1], nodes[i]);
        if (!link)
            return std::nullopt;
        links.push_back(link->number);
    }
    return links;
}

void checkRouteChoice(const LinkWeights& w)
{
    const auto dotTotals = trayeko::computeRouteTotals(w, ".");
    const auto commaTotals = trayeko::computeRouteTotals(w, ",");
    const auto chosen = trayeko::selectShortestRoute(dotTotals, ".");
    if (chosen != trayeko::selectShortestRoute(commaTotals, ","))
        fail("the route choice depends on the decimal separator");

    const bool allPositiveFinite =
        std::all_of(w.begin(), w.end(), [](double x) { return x > 0 && std::isfinite(x); });
    if (!allPositiveFinite)
        return;
    if (!chosen || *chosen < 1 || *chosen > kRouteCount)
        fail("no route chosen for positive weights");

    double best = std::numeric_limits<double>::infinity();
    for (const auto& path : allPaths())
        best = std::min(best, roundedTo15(pathTotal(path, w)));
    for (int n = 1; n <= kRouteCount; ++n) {
        const double shown = trayeko::readBackNumber(dotTotals[n - 1], ".");
        if (shown != roundedTo15(pathTotal(trayeko::candidateRoute(n).links, w)))
            fail("a route total is not its sum rounded to 15 digits");
        if (n < *chosen && shown <= best)
            fail("a lower-numbered route ties the minimum but was not chosen");
        if (n == *chosen && shown != best)
            fail("the chosen route's total is not the minimum over all paths");
    }
}

void checkFloyd(const LinkWeights& w)
{
    const auto listing = trayeko::listFloydMatrices(w, ",");
    if (listing.valueLines.size() != 71)
        fail("the value listing does not have 71 lines");
    if (listing.nodeLines.size() != 64)
        fail("the node listing does not have 64 lines");

    const auto& final = listing.final;
    const auto result = trayeko::floydResult(w, final, ",");
    if (!final.value(kStartNode, kEndNode))
        fail("no value from node 1 to node 7 although link 10 joins them");

    double magnitudeAll = 0;
    for (double x : w)
        magnitudeAll += std::fabs(x);
    if (!std::isfinite(magnitudeAll))
        return; // a partial sum may overflow: no exact answer to compare with

    double best = std::numeric_limits<double>::infinity();
    double scale = 0;
    for (const auto& path : allPaths()) {
        best = std::min(best, pathTotal(path, w));
        scale = std::max(scale, pathMagnitude(path, w));
    }
    // Floyd adds the same weights in another grouping; allow for the rounding of that.
    const double tolerance = 1e-12 * scale;
    const double found = *final.value(kStartNode, kEndNode);
    if (!(std::fabs(found - best) <= tolerance))
        fail("Floyd's (1,7) is not the shortest of all paths");

    const auto route = trayeko::floydRoute(final, kStartNode, kEndNode);
    if (route.size() < 2 || route.front() != kStartNode || route.back() != kEndNode)
        fail("the route rebuilt from the node matrix does not run from node 1 to node 7");
    const auto links = linksAlong(route);
    if (!links)
        fail("the route rebuilt from the node matrix uses a missing link");
    if (!(std::fabs(pathTotal(*links, w) - found) <= tolerance))
        fail("the rebuilt route's total differs from Floyd's (1,7)");

    std::vector<int> shownNodes{kStartNode};
    shownNodes.insert(shownNodes.end(), result.innerNodes.begin(), result.innerNodes.end());
    shownNodes.push_back(kEndNode);
    if (linksAlong(shownNodes) != result.links)
        fail("the shown route's links do not join its nodes");
    if (!(std::fabs(pathTotal(result.links, w) - found) <= tolerance))
        fail("the shown route's total differs from Floyd's (1,7)");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::array<std::string, kLinkCount> texts;
    std::size_t k = 0;
    for (std::size_t i = 0; i < size && k < texts.size(); ++i) {
        if (data[i] == 0)
            ++k;
        else
            texts[k].push_back(char(data[i]));
    }

    const LinkWeights w = trayeko::readLinkWeights(texts);
    currentWeights = &w;
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!(w[i] == trayeko::parseLeadingNumber(texts[i])))
            fail("a weight differs from parseLeadingNumber of its text");

    checkRouteChoice(w);
    checkFloyd(w);
    currentWeights = nullptr;
    return 0;
}
