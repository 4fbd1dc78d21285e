#include "reference.h"

#include "core/floyd.h"
#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <tuple>

using namespace trayeko;
using reference::changed;

namespace {

// The default weights' matrices, worked out by hand: the initial ones, then the rows that each
// iteration changes (iteration, row, cells separated by single blanks).
const std::array<std::string, kNodeCount> kInitialValues{
    "0 7 6 8 ~ ~ 16", "~ 0 1 ~ 4 ~ ~", "~ ~ 0 2 4 4 ~", "~ ~ ~ 0 ~ 5 15",
    "~ ~ ~ ~ 0 ~ 6",  "~ ~ ~ ~ 1 0 8", "~ ~ ~ ~ ~ ~ 0"};
const std::vector<std::tuple<int, int, std::string, std::string>> kChanges{
    {2, 1, "0 7 6 8 11 ~ 16", "1 2 3 4 2 6 7"}, {3, 1, "0 7 6 8 10 10 16", "1 2 3 4 3 3 7"},
    {3, 2, "~ 0 1 3 4 5 ~", "1 2 3 3 5 3 7"},   {4, 2, "~ 0 1 3 4 5 18", "1 2 3 3 5 3 4"},
    {4, 3, "~ ~ 0 2 4 4 17", "1 2 3 4 5 6 4"},  {5, 2, "~ 0 1 3 4 5 10", "1 2 3 3 5 3 5"},
    {5, 3, "~ ~ 0 2 4 4 10", "1 2 3 4 5 6 5"},  {5, 6, "~ ~ ~ ~ 1 0 7", "1 2 3 4 5 6 5"},
    {6, 4, "~ ~ ~ 0 6 5 12", "1 2 3 4 6 6 6"}};

// The value listing's column spacing: listing (0 initial, k "Iterasi k"), rows, the six runs;
// all other rows are spaced 555555.
const std::vector<std::tuple<int, std::vector<int>, std::string>> kValueRuns{
    {0, {1}, "555565"},       {1, {1}, "555565"},       {2, {1}, "555455"},
    {2, {2, 3}, "555556"},    {3, {1}, "555444"},       {3, {2, 3, 5, 6}, "555556"},
    {4, {1}, "555444"},       {4, {2, 3}, "555556"},    {5, {1}, "555444"},
    {5, {2}, "555565"},       {5, {3, 6, 7}, "555556"}, {5, {4}, "555466"},
    {6, {1}, "555444"},       {6, {7}, "555554"},       {7, {1}, "555444"},
    {7, {2, 3, 4}, "555655"}, {7, {5}, "555556"},       {7, {6, 7}, "555565"}};

std::string spaced(const std::string& cells, int listing, int row)
{
    std::string runs = "555555";
    for (const auto& [l, rows, r] : kValueRuns)
        if (l == listing && std::find(rows.begin(), rows.end(), row) != rows.end())
            runs = r;
    if (listing < 0)
        runs = "555445"; // node lines
    std::istringstream in(cells);
    std::string line, cell;
    for (std::size_t c = 0; in >> cell; ++c)
        line += (c == 0 ? "" : std::string(std::size_t(runs[c - 1] - '0'), ' ')) + cell;
    return line;
}

TEST(FloydListing, DefaultWeightsLineByLine)
{
    const FloydListing listing = listFloydMatrices(defaultWeights());
    std::array<std::string, kNodeCount> values = kInitialValues, nodes;
    nodes.fill("1 2 3 4 5 6 7");
    std::vector<std::string> valueLines{"Inisialisasi Matrix Nilai"};
    std::vector<std::string> nodeLines{"Inisialisasi Matrix Simpul"};
    for (int k = 0; k <= 7; ++k) {
        for (const auto& [step, row, valueCells, nodeCells] : kChanges)
            if (step == k)
                std::tie(values[std::size_t(row - 1)], nodes[std::size_t(row - 1)]) =
                    std::tie(valueCells, nodeCells);
        if (k > 0) {
            valueLines.insert(valueLines.end(), {"", "Iterasi " + std::to_string(k)});
            nodeLines.push_back("Iterasi " + std::to_string(k));
        }
        for (int row = 1; row <= kNodeCount; ++row) {
            valueLines.push_back(spaced(values[std::size_t(row - 1)], k, row));
            nodeLines.push_back(spaced(nodes[std::size_t(row - 1)], -1, row));
        }
    }
    ASSERT_EQ(valueLines.size(), 71u);
    ASSERT_EQ(nodeLines.size(), 64u);
    EXPECT_EQ(listing.valueLines, valueLines);
    EXPECT_EQ(listing.nodeLines, nodeLines);
    // A few lines exactly as a user sees them.
    EXPECT_EQ(listing.valueLines[1], "0     7     6     8     ~      ~     16");
    EXPECT_EQ(listing.valueLines[19], "0     7     6     8    11     ~     16");
    EXPECT_EQ(listing.valueLines[65], "~     0     1     3      4     5     10");
    EXPECT_EQ(listing.nodeLines[1], "1     2     3     4    5    6     7");
}

TEST(FloydListing, ImprovedCellFeedsTheNextIteration)
{
    FloydMatrices m = initFloydMatrices(changed({{2, 20}}));
    for (int k = 1; k <= 2; ++k)
        floydStep(m, k);
    EXPECT_EQ(std::make_tuple(m.value(1, 3), m.node(1, 3)), std::make_tuple(8.0, 2));
    EXPECT_EQ(std::make_tuple(m.value(1, 5), m.node(1, 5)), std::make_tuple(11.0, 2));
    floydStep(m, 3);
    EXPECT_EQ(std::make_tuple(m.value(1, 6), m.node(1, 6)), std::make_tuple(12.0, 3));
    EXPECT_EQ(std::make_tuple(m.value(1, 5), m.node(1, 5)), std::make_tuple(11.0, 2));
}

TEST(FloydListing, OddWeightsKeepTheSpacing)
{
    const LinkWeights w = changed({{5, 2.5}, {6, -5}, {7, 0}, {12, parseLeadingNumber("1e999")}});
    const FloydListing listing = listFloydMatrices(w, ",");
    ASSERT_EQ(listing.valueLines.size(), 71u);
    EXPECT_EQ(listing.valueLines[2], "~     0     1     ~     -5     ~     ~");
    EXPECT_EQ(listing.valueLines[3], "~     ~     0     2,5     0     4     ~");
    EXPECT_EQ(listing.valueLines[4], "~     ~     ~     0     ~     5     ∞");
}

struct ResultRow
{
    const char* name;
    LinkWeights weights;
    const char* separator;
    std::string directTotal, viaFourTotal, caption;
    std::vector<int> innerNodes, links;
    friend void PrintTo(const ResultRow& row, std::ostream* os) { *os << row.name; }
};

class FloydResultShown : public testing::TestWithParam<ResultRow>
{
};

TEST_P(FloydResultShown, NamesTheFinalCellAndItsRoute)
{
    const ResultRow& row = GetParam();
    const FloydResult r =
        floydResult(row.weights, listFloydMatrices(row.weights).final, row.separator);
    EXPECT_EQ(std::tie(r.directTotal, r.viaFourTotal, r.caption),
              std::tie(row.directTotal, row.viaFourTotal, row.caption));
    EXPECT_EQ(r.innerNodes, row.innerNodes);
    EXPECT_EQ(r.links, row.links);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, FloydResultShown,
    testing::Values(
        ResultRow{"Defaults", defaultWeights(), ".", "16", "23", "Total jarak = 16", {}, {10}},
        ResultRow{"DirectEqualsViaFour",
                  changed({{10, 23}}),
                  ".",
                  "23",
                  "23",
                  "Total jarak = 16",
                  {3, 5},
                  {2, 7, 13}},
        ResultRow{"DirectLong",
                  changed({{10, 30}}),
                  ".",
                  "30",
                  "23",
                  "Total jarak = 16",
                  {3, 5},
                  {2, 7, 13}},
        ResultRow{"NegativeFromFour",
                  changed({{12, -100}}),
                  ".",
                  "16",
                  "-92",
                  "Total jarak = -92",
                  {4},
                  {3, 12}},
        ResultRow{
            "Comma", changed({{10, 12.5}}), ",", "12,5", "23", "Total jarak = 12,5", {}, {10}}),
    reference::rowName);

TEST(FloydRoute, EndsOnAnyNodeMatrix)
{
    const FloydMatrices good = listFloydMatrices(defaultWeights()).final;
    const std::vector<std::vector<std::tuple<int, int, int>>> broken{
        {{1, 7, 3}, {1, 3, 7}},            // a cycle
        {{1, 7, 5}, {1, 5, 3}, {3, 5, 1}}, // a longer one
        {{1, 7, 99}},
        {{1, 7, 0}},
        {{1, 7, 1}},
        {{1, 7, 5}, {1, 5, 5}}, // no link from 1 to 5
    };
    for (const auto& cells : broken) {
        FloydMatrices m = good;
        for (const auto& [i, j, k] : cells)
            m.setNode(i, j, k);
        EXPECT_TRUE(floydRoute(m, 1, 7).empty());
        EXPECT_TRUE(floydResult(defaultWeights(), m).links.empty());
    }
    EXPECT_TRUE(floydRoute(good, 5, 1).empty()); // no path, empty cell
    EXPECT_TRUE(floydRoute(good, 0, 8).empty());
    EXPECT_EQ(floydRoute(good, 3, 3), std::vector<int>{3});
    FloydMatrices notANumber = good;
    notANumber.setValue(1, 5, std::nan(""));
    EXPECT_EQ(floydRoute(notANumber, 1, 5), (std::vector<int>{1, 3, 5}));
}

} // namespace
