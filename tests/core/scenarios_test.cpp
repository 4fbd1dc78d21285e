#include "reference.h"

#include "core/scenarios.h"

#include <gtest/gtest.h>

using namespace trayeko;

namespace {

// Bars and boxes that write down what the procedures do to them, in order.
class RecordingView final : public ComparisonView
{
public:
    struct Bar final : ProgressBar
    {
        Bar(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(l) {}
        void setVisible(bool visible) override { log.push_back(name + (visible ? "+" : "-")); }
        void setRange(int minimum, int maximum) override { range = {minimum, maximum}; }
        int minimum() const override { return range.first; }
        int maximum() const override { return range.second; }
        void setValue(int v) override { inOrder = inOrder && v == value + 1, value = v, ++updates; }
        std::string name;
        std::vector<std::string>& log;
        std::pair<int, int> range{0, 100};
        int value = -1, updates = 0;
        bool inOrder = true;
    };

    ProgressBar& dijkstraBar() override { return bar1; }
    ProgressBar& floydBar() override { return bar2; }
    void setDijkstraReport(const std::string& text) override { log.push_back("D:" + text); }
    void setFloydReport(const std::string& text) override { log.push_back("F:" + text); }

    std::vector<std::string> log;
    Bar bar1{"bar1", log}, bar2{"bar2", log};
};

struct ScenarioRow
{
    const char* name;
    int index;
    std::string dijkstraLine, floydLine;
    int dijkstraSteps, floydSteps;
    friend void PrintTo(const ScenarioRow& row, std::ostream* os) { *os << row.name; }
};

class Scenario : public testing::TestWithParam<ScenarioRow>
{
};

TEST_P(Scenario, BothSidesNameTheShortestTotalAndTheirOwnTime)
{
    const ScenarioRow& row = GetParam();
    // Every reading advances 3 ms; they come as Floyd start, Dijkstra start, Dijkstra end, Floyd
    // end.
    std::int64_t now = 1000;
    RecordingView view;
    runFloydScenario(
        row.index, view, [&now] { return ClockReading{now += 3}; }, ",");
    EXPECT_EQ(
        view.log,
        (std::vector<std::string>{
            "bar1+", "bar1-", "D:" + row.dijkstraLine + "\r\nSelesai pencarian dalam: 0,003 detik",
            "bar2+", "bar2-", "F:" + row.floydLine + "\r\nSelesai pencarian dalam: 0,009 detik"}));
    EXPECT_EQ(std::tie(view.bar1.updates, view.bar1.value, view.bar1.inOrder),
              std::make_tuple(row.dijkstraSteps + 1, row.dijkstraSteps, true));
    EXPECT_EQ(std::tie(view.bar2.updates, view.bar2.value, view.bar2.inOrder),
              std::make_tuple(row.floydSteps + 1, row.floydSteps, true));

    const ComparisonScenario& s = comparisonScenarios()[std::size_t(row.index)];
    EXPECT_EQ(dijkstraReport(s, {5}, {5}),
              row.dijkstraLine + "\r\nSelesai pencarian dalam: 0 detik");
    EXPECT_EQ(floydReport(s, {5}, {1005}), row.floydLine + "\r\nSelesai pencarian dalam: 1 detik");
}

INSTANTIATE_TEST_SUITE_P(
    Table, Scenario,
    testing::Values(ScenarioRow{"Four", 0,
                                "Simpul terpendek 12, dan simpul yang dilalui 1, 2, dan 5",
                                "simpul terpendek 12, dan simpul yang dilalui ", 500, 300},
                    ScenarioRow{"Six", 1, "Simpul terpendek 12, dan simpul yang dilalui ",
                                "simpul terpendek 12, dan simpul yang dilalui ", 1000, 1000},
                    ScenarioRow{"Ten", 2, "Simpul terpendek 23, dan simpul yang dilalui ",
                                "simpul terpendek 23, dan simpul yang dilalui ", 2000, 1500},
                    ScenarioRow{"Fifteen", 3, "Simpul terpendek 38, dan simpul yang dilalui ",
                                "simpul terpendek 38, dan simpul yang dilalui ", 4000, 2000},
                    ScenarioRow{"Twenty", 4, "simpul terpendek 33, dan simpul yang dilalui ",
                                "simpul terpendek 33, dan simpul yang dilalui ", 6000, 2500}),
    reference::rowName);

} // namespace
