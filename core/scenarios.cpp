#include "core/scenarios.h"

#include "core/allpairs.h"
#include "core/generatednetwork.h"
#include "core/numbertext.h"

#include <cstdint>
#include <memory>

namespace trayeko {

namespace {

constexpr std::string_view kRouteJoin = ", dan simpul yang dilalui ";

// The scenario at list position @p index, or nullptr where no item is chosen.
const ComparisonScenario* scenarioAt(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return nullptr;
    return &comparisonScenarios()[std::size_t(index)];
}

// The searches' view of scenario @p index, built once, outside the timed interval.
const Digraph& scenarioGraph(int index)
{
    static const auto graphs = [] {
        std::array<std::unique_ptr<const Digraph>, kScenarioCount> built;
        for (std::size_t i = 0; i < built.size(); ++i)
            built[i] = std::make_unique<const Digraph>(scenarioNetwork(int(i)));
        return built;
    }();
    return *graphs[std::size_t(index)];
}

} // namespace

const std::array<ComparisonScenario, kScenarioCount>& comparisonScenarios()
{
    // Each seed gives a network whose one shortest route from node 1 to the last node is as long
    // as the class has always been told (12, 12, 23, 38 and 33), and that turns at least once, so
    // that it is no plain row of the drawing; from 6 nodes on it also takes a link upwards or
    // backwards. The 20-node label starts in lower
    // case, as it always has.
    static const std::array<ComparisonScenario, kScenarioCount> scenarios{{
        {4, 37, "Simpul terpendek ", 500, 300},
        {6, 405, "Simpul terpendek ", 1000, 1000},
        {10, 1886, "Simpul terpendek ", 2000, 1500},
        {15, 4816, "Simpul terpendek ", 4000, 2000},
        {20, 2921, "simpul terpendek ", 6000, 2500},
    }};
    return scenarios;
}

const std::array<std::string_view, kScenarioCount>& scenarioItemTexts()
{
    static constexpr std::array<std::string_view, kScenarioCount> items{
        "Empat Simpul --- (4)",      "Enam Simpul --- (6)",      "Sepuluh Simpul --- (10)",
        "Limabelas Simpul --- (15)", "Duapuluh Simpul --- (20)",
    };
    return items;
}

const Network& scenarioNetwork(int index)
{
    static const auto networks = [] {
        std::array<Network, kScenarioCount> built;
        for (std::size_t i = 0; i < built.size(); ++i) {
            const ComparisonScenario& s = comparisonScenarios()[i];
            built[i] = generatedNetwork(s.nodeCount, s.seed);
        }
        return built;
    }();
    return networks[std::size_t(index)];
}

std::string routeText(const std::vector<int>& nodes)
{
    std::vector<std::string> items;
    for (int n : nodes)
        items.push_back(std::to_string(n));
    return listText(items);
}

DijkstraSide searchDijkstraSide(int index, const PreciseClock& clock, const TimingLimits& limits)
{
    const Digraph& graph = scenarioGraph(index);
    ShortestPathTree tree;
    DijkstraSide side;
    side.seconds = timeSearch([&] { tree = dijkstra(graph, 1); }, clock, limits).seconds;
    side.distance = tree.distance.back();
    side.route = routeTo(tree, graph.nodeCount());
    return side;
}

FloydSide searchFloydSide(int index, const PreciseClock& clock, const TimingLimits& limits)
{
    const Digraph& graph = scenarioGraph(index);
    DistanceMatrix matrix;
    FloydSide side;
    side.seconds = timeSearch([&] { matrix = floydWarshall(graph); }, clock, limits).seconds;
    side.distance = matrix.at(1, graph.nodeCount());
    return side;
}

std::string dijkstraReport(const ComparisonScenario& scenario, const DijkstraSide& side,
                           std::string_view decimalSeparator)
{
    std::string text(scenario.dijkstraLabel);
    text += formatGeneral(side.distance, decimalSeparator);
    text += kRouteJoin;
    text += routeText(side.route);
    text += "\r\n";
    text += searchTimeText(side.seconds, decimalSeparator);
    return text;
}

std::string floydReport(const FloydSide& side, std::string_view decimalSeparator)
{
    std::string text = "simpul terpendek ";
    text += formatGeneral(side.distance, decimalSeparator);
    text += kRouteJoin;
    text += "\r\n";
    text += searchTimeText(side.seconds, decimalSeparator);
    return text;
}

std::vector<int> runDijkstraScenario(int index, ComparisonView& view, const PreciseClock& clock,
                                     std::string_view decimalSeparator)
{
    const ComparisonScenario* s = scenarioAt(index);
    if (!s)
        return {};
    DijkstraSide side = searchDijkstraSide(index, clock);
    view.playDijkstraProgress(s->dijkstraSteps);
    view.setDijkstraReport(dijkstraReport(*s, side, decimalSeparator));
    return std::move(side.route);
}

std::vector<int> runFloydScenario(int index, ComparisonView& view, const PreciseClock& clock,
                                  std::string_view decimalSeparator)
{
    const ComparisonScenario* s = scenarioAt(index);
    if (!s)
        return {};
    std::vector<int> route = runDijkstraScenario(index, view, clock, decimalSeparator);
    const FloydSide side = searchFloydSide(index, clock);
    view.playFloydProgress(s->floydSteps);
    view.setFloydReport(floydReport(side, decimalSeparator));
    return route;
}

} // namespace trayeko
