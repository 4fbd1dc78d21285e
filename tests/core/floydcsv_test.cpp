#include "core/floydcsv.h"
#include "core/steps.h"

#include <gtest/gtest.h>

#include <iterator>
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

// The cells of a listing line, whatever its column spacing.
std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A spreadsheet in the user's region must read every number of the export as the number the
// listing shows: the field separator steps aside for the decimal comma, and each table holds
// exactly the cells of the matching listing block (fractions and exponent form included).
TEST(FloydCsv, HoldsTheListingCellsInTheRegionsSeparators)
{
    LinkWeights weights = defaultWeights();
    weights[0] = 2.5;     // link 1 with a fraction
    weights[2] = 0.00001; // exponent form
    weights[9] = 1234.75; // the direct link
    for (const auto& [decimal, field] : {std::pair{".", ","}, std::pair{",", ";"}}) {
        SCOPED_TRACE(decimal);
        EXPECT_EQ(csvFieldSeparator(decimal), field);
        const FloydListing listing = listFloydMatrices(weights, decimal);
        std::vector<std::string> lines = split(floydCsv(weights, decimal), "\r\n");
        ASSERT_EQ(lines.back(), "");
        lines.pop_back();
        ASSERT_EQ(lines.size(), std::size_t(16 * 10));
        for (std::size_t table = 0; table < 16; ++table) {
            const bool values = table < 8;
            const int k = int(table % 8);
            const auto row = [&](std::size_t n) { return split(lines[table * 10 + n], field); };
            EXPECT_EQ(row(0), (std::vector<std::string>{values ? "Matriks Nilai" : "Matriks Simpul",
                                                        k == 0 ? "Inisialisasi"
                                                               : "Iterasi " + std::to_string(k)}));
            EXPECT_EQ(row(1),
                      (std::vector<std::string>{"Dari/Ke", "1", "2", "3", "4", "5", "6", "7"}));
            EXPECT_EQ(lines[table * 10 + 9], "");
            for (int r = 1; r <= 7; ++r) { // the node's number, then its cells as listed
                std::vector<std::string> shown =
                    words(values ? listing.valueLines[std::size_t(valueRowLine(k, r))]
                                 : listing.nodeLines[std::size_t(nodeRowLine(k, r))]);
                shown.insert(shown.begin(), std::to_string(r));
                EXPECT_EQ(row(std::size_t(r) + 1), shown) << "table " << table << " row " << r;
            }
        }
    }
}

} // namespace
