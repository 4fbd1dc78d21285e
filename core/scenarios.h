#pragma once

#include "core/clock.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief One canned network size of the comparison window.
struct ComparisonScenario
{
    int nodeCount;
    std::vector<std::int16_t> dijkstraTotals;
    std::string_view dijkstraLabel;
    std::string_view dijkstraRoute;
    int dijkstraSteps;
    std::int16_t floydValue;  ///< kept for reference; the Floyd report names shortestTotal
    int floydSteps;
};

inline constexpr int kScenarioCount = 5;

/// @brief The five scenarios (4, 6, 10, 15 and 20 nodes), in list order.
const std::array<ComparisonScenario, kScenarioCount>& comparisonScenarios();

/// @brief The item texts of the size lists, index 0 first ("Empat Simpul --- (4)", ...).
const std::array<std::string_view, kScenarioCount>& scenarioItemTexts();

/// @brief The smallest of the scenario's Dijkstra totals.
std::int16_t shortestTotal(const ComparisonScenario& scenario);

/// @brief label + shortest + ", dan simpul yang dilalui " + route + "\r\n" + elapsedText.
std::string dijkstraReport(const ComparisonScenario& scenario, ClockReading start,
                           ClockReading end, std::string_view decimalSeparator = ".");

/// @brief "simpul terpendek " + shortest + ", dan simpul yang dilalui " + "\r\n" + elapsedText.
std::string floydReport(const ComparisonScenario& scenario, ClockReading start, ClockReading end,
                        std::string_view decimalSeparator = ".");

/// @brief What the progress animation needs of a progress bar.
class ProgressBar
{
public:
    virtual ~ProgressBar() = default;
    virtual void setVisible(bool visible) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual int minimum() const = 0;
    virtual int maximum() const = 0;
    virtual void setValue(int value) = 0;
};

/// @brief Shows the bar, sets 0 ... steps, sets every value from minimum to maximum (steps + 1
/// updates) and hides the bar again; never yields.
void playProgress(ProgressBar& bar, int steps);

/// @brief Where the comparison procedures write: two bars and two report boxes.
class ComparisonView
{
public:
    virtual ~ComparisonView() = default;
    virtual ProgressBar& dijkstraBar() = 0;
    virtual ProgressBar& floydBar() = 0;
    virtual void setDijkstraReport(const std::string& text) = 0;
    virtual void setFloydReport(const std::string& text) = 0;
};

/// @brief The timed Dijkstra side of scenario @p index (0 ... 4).
void runDijkstraScenario(int index, ComparisonView& view, const Clock& clock,
                         std::string_view decimalSeparator = ".");

/// @brief The timed Floyd side of scenario @p index: runs the Dijkstra side first, so its interval
/// contains that side's whole time.
void runFloydScenario(int index, ComparisonView& view, const Clock& clock,
                      std::string_view decimalSeparator = ".");

} // namespace trayeko
