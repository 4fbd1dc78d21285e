#include "reference.h"

#include "core/numbertext.h"
#include "core/routes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace trayeko;
using reference::changed;

namespace {

LinkWeights all(double value)
{
    LinkWeights w{};
    w.fill(value);
    return w;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out{""};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") != 0) {
            out.back() += text[i];
        } else {
            out.emplace_back();
            ++i;
        }
    }
    return out;
}

TEST(CandidateTable, HoldsEveryPathOnceWithItsNodes)
{
    std::vector<reference::Path> paths = reference::allPaths(kStartNode, kEndNode), table;
    for (const CandidateRoute& route : candidateRoutes()) {
        table.push_back(route.links);
        std::vector<int> nodes{kStartNode}, named;
        for (int k : route.links)
            nodes.push_back(demoLink(k).toNode);
        EXPECT_EQ(std::vector<int>(nodes.begin() + 1, nodes.end() - 1), route.innerNodes);
        std::istringstream words{std::string(route.nodeText)};
        for (std::string word; words >> word;)
            if (std::isdigit(static_cast<unsigned char>(word[0])))
                named.push_back(std::stoi(word));
        EXPECT_EQ(named, nodes) << route.nodeText;
    }
    std::sort(paths.begin(), paths.end());
    std::sort(table.begin(), table.end());
    EXPECT_EQ(table, paths);
    EXPECT_EQ(candidateRoute(3).nodeText, "1 2, 3, 5, dan 7");
}

struct ChoiceRow
{
    const char* name;
    LinkWeights weights;
    std::string totals; // as shown with a period, blank-separated
    int chosen;
    friend void PrintTo(const ChoiceRow& row, std::ostream* os) { *os << row.name; }
};

class RouteChoice : public testing::TestWithParam<ChoiceRow>
{
};

TEST_P(RouteChoice, ShowsTheTotalsAndChoosesTheSameRouteWithEitherSeparator)
{
    const ChoiceRow& row = GetParam();
    const auto totals = computeRouteTotals(row.weights);
    const auto commaTotals = computeRouteTotals(row.weights, ",");
    std::string shown;
    for (const std::string& t : totals)
        shown += (shown.empty() ? "" : " ") + t;
    EXPECT_EQ(shown, row.totals);
    EXPECT_EQ(selectShortestRoute(totals), row.chosen);
    EXPECT_EQ(selectShortestRoute(commaTotals, ","), row.chosen);
    // The detail table shows each comma total whole, not cut at the comma.
    const std::vector<std::string> table = lines(detailTableText(row.weights, commaTotals, ","));
    ASSERT_EQ(table.size(), 17u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::string total = totals[i];
        std::replace(total.begin(), total.end(), '.', ',');
        EXPECT_EQ(commaTotals[i], total);
        EXPECT_EQ(table[i].substr(table[i].rfind("= ") + 2), total);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Weights, RouteChoice,
    testing::Values(ChoiceRow{"Defaults", defaultWeights(),
                              "16 17 18 19 20 22 23 25 16 17 18 20 21 23 20 21 23", 1},
                    ChoiceRow{"DirectLinkLong", changed({{10, 100}}),
                              "100 17 18 19 20 22 23 25 16 17 18 20 21 23 20 21 23", 9},
                    ChoiceRow{"SetA",
                              {2, 2, 6, 2, 2, 7, 12, 10, 1, 10, 12, 8, 2, 1},
                              "10 11 18 28 15 21 8 14 16 26 13 19 6 12 21 8 14",
                              13},
                    ChoiceRow{"SetB",
                              {4, 1, 5, 2, 1, 6, 8, 11, 2, 11, 5, 8, 1, 5},
                              "11 11 15 23 22 15 14 15 10 18 17 10 9 10 13 12 13",
                              13},
                    ChoiceRow{"SetC",
                              {10, 3, 9, 3, 5, 11, 1, 7, 12, 11, 10, 1, 6, 7},
                              "11 27 20 36 27 46 37 19 10 26 17 36 27 9 37 28 10",
                              14},
                    ChoiceRow{"AllOne", all(1), "1 3 4 5 4 6 5 4 3 4 3 5 4 3 4 3 2", 1},
                    ChoiceRow{"AllTwoAndAHalf", all(2.5),
                              "2.5 7.5 10 12.5 10 15 12.5 10 7.5 10 7.5 12.5 10 7.5 10 7.5 5", 1},
                    ChoiceRow{"TieBeyondFifteenDigits",
                              changed({{10, 0.3000000000000001}, {3, 0.1}, {12, 0.2}}, all(10)),
                              "0.3 30 40 50 40 60 50 30.2 30 40 30 50 40 20.2 30.1 20.1 0.3", 1}),
    reference::rowName);

struct CheckRow
{
    const char* name;
    LinkWeights weights;
    WeightVerdict verdict;
    std::string_view message;
    int link = 0; // the box a refusal points the student at
    friend void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }
};

class WeightCheck : public testing::TestWithParam<CheckRow>
{
};

TEST_P(WeightCheck, RefusesInOrderWithItsMessage)
{
    EXPECT_EQ(checkWeights(GetParam().weights), GetParam().verdict);
    EXPECT_EQ(refusalMessage(GetParam().verdict), GetParam().message);
    EXPECT_EQ(refusedLink(GetParam().weights), GetParam().link);
}

constexpr std::string_view kNegative = "Inputan untuk semua bobot tidak boleh negatif";
constexpr std::string_view kZero =
    "Karena ada jalur yang memiliki bobot 'nol' maka jalur tidak ada";
constexpr std::string_view kTooLarge = "Bobot terlalu besar untuk dihitung";
constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Weights, WeightCheck,
    testing::Values(
        CheckRow{"Defaults", defaultWeights(), WeightVerdict::Accepted, ""},
        CheckRow{"NegativeBeforeZero", changed({{5, -1}, {7, 0}}), WeightVerdict::Negative,
                 kNegative, 5},
        CheckRow{"MinusZero", changed({{3, -0.0}}), WeightVerdict::Zero, kZero, 3},
        CheckRow{"ZeroBeforeInfinite", changed({{1, inf}, {2, 0}}), WeightVerdict::Zero, kZero, 2},
        CheckRow{"Infinite", changed({{12, parseLeadingNumber("1e999")}}), WeightVerdict::TooLarge,
                 kTooLarge, 12},
        CheckRow{"NotANumber", changed({{6, std::nan("")}}), WeightVerdict::TooLarge, kTooLarge, 6},
        CheckRow{"TotalOverflows", changed({{4, 1e308}, {7, 1e308}}), WeightVerdict::TooLarge,
                 kTooLarge, 4},
        CheckRow{"LargeButFinite", changed({{1, 1e300}, {4, 1e300}}), WeightVerdict::Accepted, ""}),
    reference::rowName);

TEST(ResultTexts, ChosenRouteAndDetailTable)
{
    const LinkWeights w = defaultWeights();
    EXPECT_EQ(totalCaption(12.5, ","), "Total jarak = 12,5");
    EXPECT_EQ(routeWeightsText(candidateRoute(10), w), "6 --> 4 --> 1 --> 6");
    EXPECT_EQ(routeWeightsText(candidateRoute(1), w), "16");
    EXPECT_EQ(routeNumberText(17), "Jalur terpilih nomor 17");
    const std::vector<std::string> table = lines(detailTableText(w, computeRouteTotals(w)));
    ASSERT_EQ(table.size(), 17u);
    EXPECT_EQ(table[0], "1.   16 = 16");
    EXPECT_EQ(table[1], "2.   7     4     6 = 17");
    EXPECT_EQ(table[9], "10.  6     4     1     6 = 17");
    EXPECT_EQ(table[16], "17.  8     15  = 23");
}

} // namespace
