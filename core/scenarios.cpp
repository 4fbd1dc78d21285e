#include "core/scenarios.h"

#include <algorithm>
#include <cstdint>

namespace trayeko {

namespace {

constexpr std::string_view kRouteJoin = ", dan simpul yang dilalui ";

ClockReading readFrom(const Clock& clock)
{
    return clock ? clock() : readClock();
}

// The scenario at list position @p index, or nullptr where no item is chosen.
const ComparisonScenario* scenarioAt(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return nullptr;
    return &comparisonScenarios()[std::size_t(index)];
}

} // namespace

const std::array<ComparisonScenario, kScenarioCount>& comparisonScenarios()
{
    // Canned results for networks that are not drawn anywhere; only the 4-node one names its
    // route. The 20-node label starts in lower case, as it always has.
    static const std::array<ComparisonScenario, kScenarioCount> scenarios{{
        {4, {12}, "Simpul terpendek ", "1, 2, dan 5", 500, 0, 300},
        {6, {19, 21, 12}, "Simpul terpendek ", "", 1000, 12, 1000},
        {10, {36, 30, 38, 24, 23}, "Simpul terpendek ", "", 2000, 0, 1500},
        {15,
         {53, 58, 44, 55, 49, 52, 51, 51, 42, 49, 41, 56, 61, 58, 63, 38},
         "Simpul terpendek ",
         "",
         4000,
         19,
         2000},
        {20,
         {40, 42, 51, 50, 58, 50, 55, 56, 61, 49, 47, 52,
          57, 58, 63, 64, 49, 49, 54, 42, 40, 33, 38},
         "simpul terpendek ",
         "",
         6000,
         19,
         2500},
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

std::int16_t shortestTotal(const ComparisonScenario& scenario)
{
    if (scenario.dijkstraTotals.empty())
        return 0;
    return *std::min_element(scenario.dijkstraTotals.begin(), scenario.dijkstraTotals.end());
}

std::string dijkstraReport(const ComparisonScenario& scenario, ClockReading start, ClockReading end,
                           std::string_view decimalSeparator)
{
    std::string text(scenario.dijkstraLabel);
    text += std::to_string(shortestTotal(scenario));
    text += kRouteJoin;
    text += scenario.dijkstraRoute;
    text += "\r\n";
    text += elapsedText(start, end, decimalSeparator);
    return text;
}

std::string floydReport(const ComparisonScenario& scenario, ClockReading start, ClockReading end,
                        std::string_view decimalSeparator)
{
    // Both methods find the same shortest path, so the Floyd side names the same value.
    std::string text = "simpul terpendek ";
    text += std::to_string(shortestTotal(scenario));
    text += kRouteJoin;
    text += "\r\n";
    text += elapsedText(start, end, decimalSeparator);
    return text;
}

void playProgress(ProgressBar& bar, int steps)
{
    bar.setVisible(true);
    bar.setRange(0, steps);
    // A 64-bit counter, so that a maximum at the top of the int range still ends the loop.
    const std::int64_t last = bar.maximum();
    for (std::int64_t i = bar.minimum(); i <= last; ++i)
        bar.setValue(int(i));
    bar.setVisible(false);
}

void runDijkstraScenario(int index, ComparisonView& view, const Clock& clock,
                         std::string_view decimalSeparator)
{
    const ComparisonScenario* s = scenarioAt(index);
    if (!s)
        return;
    const ClockReading start = readFrom(clock);
    playProgress(view.dijkstraBar(), s->dijkstraSteps);
    const ClockReading end = readFrom(clock);
    view.setDijkstraReport(dijkstraReport(*s, start, end, decimalSeparator));
}

void runFloydScenario(int index, ComparisonView& view, const Clock& clock,
                      std::string_view decimalSeparator)
{
    const ComparisonScenario* s = scenarioAt(index);
    if (!s)
        return;
    const ClockReading start = readFrom(clock);
    runDijkstraScenario(index, view, clock, decimalSeparator);
    playProgress(view.floydBar(), s->floydSteps);
    const ClockReading end = readFrom(clock);
    view.setFloydReport(floydReport(*s, start, end, decimalSeparator));
}

} // namespace trayeko
