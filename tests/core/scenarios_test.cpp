#include "reference.h"

#include "core/generatednetwork.h"
#include "core/scenarios.h"

#include <gtest/gtest.h>

using namespace trayeko;

namespace {

constexpr std::int64_t kMs = 1'000'000;

// Bars and boxes that write down what the procedures do to them, in order. Every bar change and
// every report jumps the clock by 1000 s, so a side whose time held any of them would show it;
// after the Dijkstra report the clock's step changes, so each side's time is told apart.
class RecordingView final : public ComparisonView
{
public:
    // An animation as the window plays it, shown and hidden again; its values are the window's.
    struct Bar
    {
        void play(int updates)
        {
            for (const char* sign : {"+", "-"}) {
                view.log.push_back(name + sign);
                view.now += 1000'000 * kMs;
            }
            steps = updates;
        }
        std::string name;
        RecordingView& view;
        int steps = -1;
    };

    void playDijkstraProgress(int steps) override { bar1.play(steps); }
    void playFloydProgress(int steps) override { bar2.play(steps); }
    void setDijkstraReport(const std::string& text) override
    {
        log.push_back("D:" + text);
        now += 1000'000 * kMs;
        step = 7 * kMs;
    }
    void setFloydReport(const std::string& text) override { log.push_back("F:" + text); }
    PreciseClock clock()
    {
        return [this] { return now += step; };
    }

    std::vector<std::string> log;
    Bar bar1{"bar1", *this}, bar2{"bar2", *this};
    std::int64_t now = 0, step = 2 * kMs;
};

struct ScenarioRow
{
    const char* name;
    int index;
    std::string dijkstraLine, floydLine;
    int distance;
    std::vector<int> route;
    int dijkstraSteps, floydSteps;
    friend void PrintTo(const ScenarioRow& row, std::ostream* os) { *os << row.name; }
};

class Scenario : public testing::TestWithParam<ScenarioRow>
{
};

TEST_P(Scenario, BothSidesNameWhatTheirOwnSearchFoundInTheirOwnTime)
{
    const ScenarioRow& row = GetParam();
    RecordingView view;
    EXPECT_EQ(runFloydScenario(row.index, view, view.clock(), ","), row.route);
    EXPECT_EQ(view.log, (std::vector<std::string>{
                            "bar1+", "bar1-",
                            "D:" + row.dijkstraLine + "\r\nSelesai pencarian dalam: 0,00200 detik",
                            "bar2+", "bar2-",
                            "F:" + row.floydLine + "\r\nSelesai pencarian dalam: 0,00700 detik"}));
    EXPECT_EQ(std::tie(view.bar1.steps, view.bar2.steps),
              std::make_tuple(row.dijkstraSteps, row.floydSteps));

    // The network's one shortest route, found by walking every path.
    const Network& graph = scenarioNetwork(row.index);
    const auto truth = reference::shortestPaths(graph.links(), 1, graph.nodeCount());
    EXPECT_EQ(truth.length, row.distance);
    EXPECT_EQ(truth.paths, std::vector<std::vector<int>>{row.route});
    EXPECT_EQ(graph.nodeCount(), comparisonScenarios()[std::size_t(row.index)].nodeCount);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Scenario,
    testing::Values(
        ScenarioRow{"Four", 0, "Simpul terpendek 12, dan simpul yang dilalui 1, 3, dan 4",
                    "simpul terpendek 12, dan simpul yang dilalui ", 12, {1, 3, 4}, 500, 300},
        ScenarioRow{"Six", 1, "Simpul terpendek 12, dan simpul yang dilalui 1, 3, 5, 4, dan 6",
                    "simpul terpendek 12, dan simpul yang dilalui ", 12, {1, 3, 5, 4, 6}, 1000,
                    1000},
        ScenarioRow{"Ten", 2, "Simpul terpendek 23, dan simpul yang dilalui 1, 2, 3, 6, 8, dan 10",
                    "simpul terpendek 23, dan simpul yang dilalui ", 23, {1, 2, 3, 6, 8, 10}, 2000,
                    1500},
        ScenarioRow{"Fifteen", 3,
                    "Simpul terpendek 38, dan simpul yang dilalui 1, 4, 8, 7, 11, 14, dan 15",
                    "simpul terpendek 38, dan simpul yang dilalui ", 38, {1, 4, 8, 7, 11, 14, 15},
                    4000, 2000},
        ScenarioRow{"Twenty", 4,
                    "simpul terpendek 33, dan simpul yang dilalui 1, 6, 11, 15, 14, 19, dan 20",
                    "simpul terpendek 33, dan simpul yang dilalui ", 33,
                    {1, 6, 11, 15, 14, 19, 20}, 6000, 2500}),
    reference::rowName);

TEST(Scenario, OutOfRangeRunsNothingAndShortRoutesReadAsSentences)
{
    RecordingView view;
    EXPECT_TRUE(runFloydScenario(5, view, view.clock()).empty());
    EXPECT_TRUE(runDijkstraScenario(-1, view, view.clock()).empty());
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(routeText({1}), "1");
    EXPECT_EQ(routeText({1, 4}), "1 dan 4");
}

struct SecondsRow
{
    const char* name;
    double seconds;
    const char* text;
    friend void PrintTo(const SecondsRow& row, std::ostream* os) { *os << row.name; }
};

class Seconds : public testing::TestWithParam<SecondsRow>
{
};

TEST_P(Seconds, HaveThreeSignificantDigitsAndNoExponent)
{
    EXPECT_EQ(threeDigitSeconds(GetParam().seconds, ","), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Seconds,
    testing::Values(SecondsRow{"Zero", 0, "0"}, SecondsRow{"Negative", -1, "0"},
                    SecondsRow{"Nanoseconds", 1.23456e-7, "0,000000123"},
                    SecondsRow{"RoundsUpAcrossADigit", 0.0009996, "0,00100"},
                    SecondsRow{"KeepsTrailingZeros", 1.5, "1,50"},
                    SecondsRow{"Tens", 12.34, "12,3"}, SecondsRow{"Hundred", 99.95, "100"},
                    SecondsRow{"Thousands", 1234.5, "1230"}),
    reference::rowName);

TEST(TimeSearch, DoublesTheBatchForTheClockThenTakesTheMedianOfRepeats)
{
    // Each search costs 0.3 ms of fake time: batches of 4 reach 1 ms, and 17 of them 20 ms.
    std::int64_t now = 0;
    const PreciseClock clock = [&now] { return now; };
    int runs = 0;
    Timing timing = timeSearch([&] { now += 300'000, ++runs; }, clock);
    EXPECT_EQ(std::tie(timing.seconds, timing.repeats, timing.batch),
              std::make_tuple(0.0003, 17, std::int64_t(4)));
    EXPECT_EQ(runs, 1 + 2 + 17 * 4);

    // A clock that stands still ends at the limits; a cancelled timing ends at once.
    timing = timeSearch([] {}, clock, {.maximumRepeats = 7, .maximumBatch = 8});
    EXPECT_EQ(std::tie(timing.seconds, timing.repeats, timing.batch),
              std::make_tuple(0.0, 7, std::int64_t(8)));
    timing = timeSearch([] {}, clock, {}, [] { return true; });
    EXPECT_EQ(std::tie(timing.repeats, timing.batch), std::make_tuple(1, std::int64_t(1)));
}

} // namespace
