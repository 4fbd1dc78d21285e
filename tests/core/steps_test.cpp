#include "reference.h"

#include "core/dijkstratable.h"
#include "core/exercise.h"
#include "core/numbertext.h"
#include "core/steps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>

using namespace trayeko;
using reference::changed;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// The shortest distance from @p from to @p to over paths whose inner nodes are all at most
// @p k: what the value matrix holds after iteration k.
double shortestThrough(int from, int to, int k, const LinkWeights& w)
{
    double best = from == to ? 0 : inf;
    for (const reference::Path& p : reference::allPaths(from, to)) {
        bool allowed = true;
        for (std::size_t n = 0; n + 1 < p.size(); ++n)
            allowed = allowed && demoLink(p[n]).toNode <= k;
        if (allowed)
            best = std::min(best, reference::pathLength(p, w));
    }
    return best;
}

// The cells of a listing line, whatever its column spacing.
std::vector<std::string> cells(const std::string& line)
{
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool has(const std::vector<int>& lines, int line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every line a step names exists; the lines of what happened are there exactly when it happened.
void checkLines(const std::vector<int>& lines, std::size_t codeSize,
                std::vector<std::pair<int, bool>> expected)
{
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
    EXPECT_GE(lines.front(), 1);
    EXPECT_LE(std::size_t(lines.back()), codeSize);
    for (const auto& [line, executed] : expected)
        EXPECT_EQ(has(lines, line), executed) << "line " << line;
}

void checkDijkstra(const LinkWeights& w)
{
    std::array<double, kNodeCount> ref{};
    std::vector<int> order{1, 2, 3, 4, 5, 6, 7};
    for (int v : order)
        ref[std::size_t(v - 1)] = reference::shortest(kStartNode, v, w);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ref[std::size_t(a - 1)] < ref[std::size_t(b - 1)];
    });

    const std::vector<DijkstraStep> steps = dijkstraSteps(w);
    ASSERT_EQ(steps.size(), std::size_t(kNodeCount));
    const std::vector<DijkstraTableRow> table = dijkstraTable(steps);
    ASSERT_EQ(table.size(), steps.size());
    std::array<bool, kNodeCount> fixed{};
    std::array<double, kNodeCount> tentative{};
    std::array<int, kNodeCount> from{};
    tentative.fill(inf);
    tentative[0] = 0;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const DijkstraStep& step = steps[s];
        const int u = order[s];
        ASSERT_EQ(step.fixedNode, u) << "step " << s + 1;
        // An exercise grades the reference's answer right, on a tie too.
        EXPECT_EQ(gradeDijkstraStep(w, s, std::to_string(u), formatGeneral(ref[std::size_t(u - 1)]))
                      .verdict,
                  Verdict::Right);
        EXPECT_EQ(step.fixedDistance, ref[std::size_t(u - 1)]);
        fixed[std::size_t(u - 1)] = true;
        std::vector<int> improved, listed;
        bool open = false;
        for (const LinkInfo& link : demoLinks()) {
            const double via = ref[std::size_t(u - 1)] + w[std::size_t(link.number - 1)];
            double& target = tentative[std::size_t(link.toNode - 1)];
            open = open || (link.fromNode == u && !fixed[std::size_t(link.toNode - 1)]);
            if (link.fromNode == u && !fixed[std::size_t(link.toNode - 1)] && via < target) {
                target = via;
                from[std::size_t(link.toNode - 1)] = u;
                improved.push_back(link.number);
            }
        }
        // The textbook row: distance and predecessor, "∞" before reached, this step's node marked.
        for (int v = 1; v <= kNodeCount; ++v) {
            const double d = tentative[std::size_t(v - 1)];
            const int p = from[std::size_t(v - 1)];
            const DijkstraTableCell& cell = table[s].cells[std::size_t(v - 1)];
            EXPECT_EQ(cell.text, d == inf ? "∞"
                                 : p == 0 ? formatGeneral(d)
                                          : formatGeneral(d) + " (" + std::to_string(p) + ")")
                << "step " << s + 1 << " node " << v;
            EXPECT_EQ(cell.fixedHere, v == u);
            EXPECT_EQ(cell.fixed, fixed[std::size_t(v - 1)]);
        }
        checkLines(step.codeLines, dijkstraPseudoCode().size(),
                   {{1, s == 0},
                    {4, true},
                    {7, open},
                    {8, !improved.empty()},
                    {10, s + 1 == steps.size()}});
        ASSERT_GE(step.variables.size(), 2u);
        EXPECT_EQ(step.variables[0].value, std::to_string(u));
        EXPECT_EQ(step.variables.size(), 2 + improved.size());
        for (const Improvement& imp : step.improvements) {
            listed.push_back(imp.link);
            EXPECT_EQ(imp.distance, tentative[std::size_t(imp.node - 1)]);
        }
        EXPECT_EQ(listed, improved) << "step " << s + 1;
        EXPECT_EQ(step.distance, std::vector<double>(tentative.begin(), tentative.end()))
            << "step " << s + 1;
        EXPECT_EQ(step.fixed, std::vector<bool>(fixed.begin(), fixed.end()));
    }
    for (int v = 1; v <= kNodeCount; ++v)
        EXPECT_EQ(reference::pathLength(treeRoute(steps.back(), v), w), ref[std::size_t(v - 1)]);
    EXPECT_NE(steps.back().explanation.find("Jarak terpendek ke simpul 7 adalah " +
                                            formatGeneral(ref[kNodeCount - 1]) + ","),
              std::string::npos);
}

void checkFloyd(const LinkWeights& w)
{
    const std::vector<FloydIteration> its = floydChanges(w);
    ASSERT_EQ(its.size(), std::size_t(kNodeCount));
    for (int k = 1; k <= kNodeCount; ++k) {
        std::vector<std::tuple<int, int, double, double>> expected, listed;
        std::vector<FloydMark> marks;
        for (int i = 1; i <= kNodeCount; ++i)
            for (int j = 1; j <= kNodeCount; ++j) {
                const double before = shortestThrough(i, j, k - 1, w);
                const double after = shortestThrough(i, j, k, w);
                if (after < before) {
                    expected.emplace_back(i, j, before, after);
                    marks.push_back({i, j, formatGeneral(after)});
                }
            }
        const FloydGrade grade = gradeFloydIteration(w, k, marks);
        EXPECT_EQ(std::pair(grade.right, grade.total),
                  std::pair(int(marks.size()), int(marks.size())));
        const FloydIteration& it = its[std::size_t(k - 1)];
        for (const FloydChange& c : it.changes)
            listed.emplace_back(c.from, c.to, c.before.value_or(inf), c.after);
        EXPECT_EQ(listed, expected) << "iteration " << k;
        checkLines(it.codeLines, floydPseudoCode().size(),
                   {{1, k == 1}, {5, true}, {6, !expected.empty()}});
        EXPECT_EQ(it.variables.size(), 1 + expected.size());
        for (int i = 1; i <= kNodeCount; ++i)
            for (int j = 1; j <= kNodeCount; ++j)
                EXPECT_EQ(it.value[std::size_t(i - 1)][std::size_t(j - 1)].value_or(inf),
                          shortestThrough(i, j, k, w));
    }
}

// On the defaults and random weights (ties included), each Dijkstra step fixes the nearest node,
// the lower number on a tie, and lists the strict improvements in link order; the last step's tree
// holds the shortest routes. Floyd iteration k lists exactly the cells that node k shortens.
TEST(Steps, AgreeWithAllPathsOnDefaultAndRandomWeights)
{
    checkDijkstra(defaultWeights());
    checkFloyd(defaultWeights());
    // Whole weights keep every sum exact; a narrow range makes ties common.
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> weight(1, 6);
    for (int n = 0; n < 200 && !HasFailure(); ++n) {
        LinkWeights w{};
        for (double& x : w)
            x = weight(random);
        checkDijkstra(w);
        checkFloyd(w);
    }
}

// The explanations word by word, in the user's decimal separator; the last Dijkstra step names
// the route the run shows.
TEST(Steps, ExplanationsSayWhatHappened)
{
    // Method, weights, decimal separator, step, its explanation.
    const std::tuple<bool, LinkWeights, const char*, int, std::string> rows[] = {
        {false, defaultWeights(), ".", 1,
         "Langkah 1 dari 7: simpul 1 ditetapkan dengan jarak 0; jalur 1→2 memperbaiki jarak "
         "simpul 2 menjadi 7, jalur 1→3 memperbaiki jarak simpul 3 menjadi 6, jalur 1→4 "
         "memperbaiki jarak simpul 4 menjadi 8, jalur 1→7 memperbaiki jarak simpul 7 menjadi 16."},
        {false, defaultWeights(), ".", 7,
         "Langkah 7 dari 7: simpul 7 ditetapkan dengan jarak 16; tidak ada jarak yang membaik. "
         "Jarak terpendek ke simpul 7 adalah 16, lewat simpul 1 dan 7 (jalur terpilih nomor 1)."},
        {false, changed({{2, 0.5}}), ",", 2,
         "Langkah 2 dari 7: simpul 3 ditetapkan dengan jarak 0,5; jalur 3→4 memperbaiki jarak "
         "simpul 4 menjadi 2,5, jalur 3→5 memperbaiki jarak simpul 5 menjadi 4,5, jalur 3→6 "
         "memperbaiki jarak simpul 6 menjadi 4,5."},
        {true, defaultWeights(), ".", 2,
         "Langkah 2 dari 7: simpul 2 sebagai perantara; 1→5 turun dari ∞ menjadi 11 lewat "
         "simpul 2."},
        {true, defaultWeights(), ".", 1,
         "Langkah 1 dari 7: simpul 1 sebagai perantara; tidak ada jarak yang membaik."},
    };
    for (const auto& [floyd, weights, separator, step, text] : rows) {
        const auto index = std::size_t(step - 1);
        EXPECT_EQ(floyd ? floydChanges(weights, separator)[index].explanation
                        : dijkstraSteps(weights, separator)[index].explanation,
                  text);
    }
}

// A row's tip lists its changes or says it kept still, and agrees with the listing even for
// negative weights and NaN; the line helpers find each block of the listings.
TEST(FloydChanges, RowTipsAndListingLines)
{
    const auto its = floydChanges(defaultWeights());
    EXPECT_EQ(floydRowTip(its[2], 1), "Iterasi 3: 1→5 dari 11 menjadi 10, 1→6 dari ∞ menjadi 10");
    EXPECT_EQ(floydRowTip(its[1], 3), "Iterasi 2: baris 3 tidak berubah");

    const FloydListing listing = listFloydMatrices(defaultWeights());
    for (int k = 1; k <= kNodeCount; ++k) {
        const std::string header = "Iterasi " + std::to_string(k);
        EXPECT_EQ(listing.valueLines[std::size_t(valueHeaderLine(k))], header);
        EXPECT_EQ(listing.nodeLines[std::size_t(nodeHeaderLine(k))], header);
    }
    EXPECT_EQ(listing.valueLines.size(), std::size_t(valueRowLine(kNodeCount, kNodeCount) + 1));
    EXPECT_EQ(listing.nodeLines.size(), std::size_t(nodeRowLine(kNodeCount, kNodeCount) + 1));

    for (const LinkWeights& w : {changed({{4, -3}, {11, -2}}), changed({{5, std::nan("")}})}) {
        const FloydListing odd = listFloydMatrices(w);
        const auto oddIts = floydChanges(w);
        for (int k = 1; k <= kNodeCount; ++k)
            for (int row = 1; row <= kNodeCount; ++row) {
                const bool differs = cells(odd.valueLines[std::size_t(valueRowLine(k, row))]) !=
                                     cells(odd.valueLines[std::size_t(valueRowLine(k - 1, row))]);
                const bool listed =
                    floydRowTip(oddIts[std::size_t(k - 1)], row).find("tidak berubah") ==
                    std::string::npos;
                EXPECT_EQ(listed, differs) << "iteration " << k << " row " << row;
            }
    }
}

// What the lesson shows beside the explanations: a changed cell worked out, and the textbook
// table as CSV in the user's separators.
TEST(Steps, LessonTexts)
{
    const auto its = floydChanges(defaultWeights());
    EXPECT_EQ(floydChangeText(its[1].changes.at(0), 2), "d[1][5] = min(∞, d[1][2] + d[2][5]) = 11");
    const auto table = dijkstraTable(dijkstraSteps(defaultWeights()));
    const std::string csv = dijkstraTableCsv(table, ".");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n2,")),
              "Langkah,Tetap,1,2,3,4,5,6,7\r\n1,1,0*,7 (1),6 (1),8 (1),∞,∞,16 (1)");
    const auto halves = dijkstraTable(dijkstraSteps(changed({{2, 0.5}}), ","), ",");
    EXPECT_NE(
        dijkstraTableCsv(halves, ",").find("\r\n2;3;0;7 (1);0,5 (1)*;2,5 (3);4,5 (3);4,5 (3)"),
        std::string::npos);
    EXPECT_NE(dijkstraTableText(table).find("1        1      0*  7 (1)   6 (1)"),
              std::string::npos);
}
} // namespace
