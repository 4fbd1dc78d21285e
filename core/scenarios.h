#pragma once

#include "core/shortestpath.h"
#include "core/timing.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief One network size of the comparison window: a generated network that both methods
/// search, from node 1 to its last node.
struct ComparisonScenario
{
    int nodeCount;
    std::uint64_t seed; ///< of generatedNetwork; chosen for the shortest distance a class knows
    std::string_view dijkstraLabel;
    int dijkstraSteps; ///< the progress animations' lengths (values 0 ... steps), played after
    int floydSteps;    ///< each side's search, outside its timed interval
};

inline constexpr int kScenarioCount = 5;

/// @brief The five scenarios (4, 6, 10, 15 and 20 nodes), in list order.
const std::array<ComparisonScenario, kScenarioCount>& comparisonScenarios();

/// @brief The item texts of the size lists, index 0 first ("Empat Simpul --- (4)", ...).
const std::array<std::string_view, kScenarioCount>& scenarioItemTexts();

/// @brief The network of scenario @p index (0 ... 4), built once.
const Network& scenarioNetwork(int index);

/// @brief Nodes as a route is written in the reports: "1, 3, 4, dan 6", "1 dan 4", "1".
std::string routeText(const std::vector<int>& nodes);

/// @brief What the Dijkstra side found and how long one search took.
struct DijkstraSide
{
    double distance = 0;    ///< from node 1 to the last node
    std::vector<int> route; ///< its nodes, 1 first
    double seconds = 0;
};

/// @brief What the Floyd side found: its matrix's entry for node 1 to the last node.
struct FloydSide
{
    double distance = 0;
    double seconds = 0;
};

/// @brief Dijkstra's method from node 1 on the scenario's network, timed alone.
DijkstraSide searchDijkstraSide(int index, const PreciseClock& clock,
                                const TimingLimits& limits = {});

/// @brief Floyd–Warshall over all pairs of the scenario's network, timed alone.
FloydSide searchFloydSide(int index, const PreciseClock& clock, const TimingLimits& limits = {});

/// @brief label + distance + ", dan simpul yang dilalui " + route + "\r\n" + searchTimeText.
std::string dijkstraReport(const ComparisonScenario& scenario, const DijkstraSide& side,
                           std::string_view decimalSeparator = ".");

/// @brief "simpul terpendek " + distance + ", dan simpul yang dilalui " + "\r\n" +
/// searchTimeText; the Floyd report names no route.
std::string floydReport(const FloydSide& side, std::string_view decimalSeparator = ".");

/// @brief Where the comparison procedures write: two progress animations and two report boxes.
/// The procedures only say how many updates an animation plays; playing them is the view's.
class ComparisonView
{
public:
    virtual ~ComparisonView() = default;
    virtual void playDijkstraProgress(int updates) = 0;
    virtual void playFloydProgress(int updates) = 0;
    virtual void setDijkstraReport(const std::string& text) = 0;
    virtual void setFloydReport(const std::string& text) = 0;
};

/// @brief The Dijkstra side of scenario @p index (0 ... 4): the timed search, then its progress
/// animation, then its report. Returns the route reported, empty for an index out of range.
std::vector<int> runDijkstraScenario(int index, ComparisonView& view, const PreciseClock& clock,
                                     std::string_view decimalSeparator = ".");

/// @brief Both sides of scenario @p index: the Dijkstra side as above, then the Floyd side in the
/// same order. Each side's clock covers its own search only. Returns the Dijkstra side's route.
std::vector<int> runFloydScenario(int index, ComparisonView& view, const PreciseClock& clock,
                                  std::string_view decimalSeparator = ".");

} // namespace trayeko
