#include "core/floyd.h"
#include "core/floydcsv.h"
#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace trayeko;

namespace {

std::vector<std::string> split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;
         start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

} // namespace

// A spreadsheet in the user's region must read every number of the export as the number the
// listing shows: the field separator steps aside for the decimal comma, and each table holds
// exactly the cells of the matching listing block.
class FloydCsv : public testing::TestWithParam<std::tuple<std::string, std::string>>
{
};

TEST_P(FloydCsv, HoldsTheListingCellsAndReadsBackAsNumbers)
{
    const auto& [decimal, field] = GetParam();
    LinkWeights weights = defaultWeights();
    weights[0] = 2.5;     // link 1 with a fraction
    weights[2] = 0.00001; // exponent form
    weights[9] = 1234.75; // the direct link
    const std::string csv = floydCsv(weights, decimal);
    const FloydListing listing = listFloydMatrices(weights, decimal);
    EXPECT_EQ(csvFieldSeparator(decimal), field);

    std::vector<std::string> lines = split(csv, "\r\n");
    ASSERT_EQ(lines.back(), "");
    lines.pop_back();
    ASSERT_EQ(lines.size(), std::size_t(16 * 10));
    for (std::size_t table = 0; table < 16; ++table) {
        const bool values = table < 8;
        const int iteration = int(table % 8);
        const auto row = [&](std::size_t n) { return split(lines[table * 10 + n], field); };
        EXPECT_EQ(row(0)[0], values ? "Matriks Nilai" : "Matriks Simpul");
        EXPECT_EQ(row(0)[1],
                  iteration == 0 ? "Inisialisasi" : "Iterasi " + std::to_string(iteration));
        EXPECT_EQ(row(1), (std::vector<std::string>{"Dari/Ke", "1", "2", "3", "4", "5", "6", "7"}));
        EXPECT_EQ(lines[table * 10 + 9], "");
        for (std::size_t r = 1; r <= 7; ++r) {
            std::vector<std::string> cells = row(r + 1);
            ASSERT_EQ(cells.size(), 8u) << lines[table * 10 + r + 1];
            EXPECT_EQ(cells[0], std::to_string(r));
            cells.erase(cells.begin());
            // The listing: a title line per block, and a blank line before each value block
            // after the first.
            const std::string& shown = values ? listing.valueLines[std::size_t(9 * iteration) + r]
                                              : listing.nodeLines[std::size_t(8 * iteration) + r];
            EXPECT_EQ(cells, words(shown)) << "table " << table << " row " << r;
            for (const std::string& cell : cells) {
                if (cell != "~") {
                    EXPECT_EQ(formatGeneral(readBackNumber(cell, decimal), decimal), cell);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, FloydCsv,
                         testing::Values(std::tuple{std::string("."), std::string(",")},
                                         std::tuple{std::string(","), std::string(";")}));
