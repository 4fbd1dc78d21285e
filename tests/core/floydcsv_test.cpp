#include "core/floydcsv.h"
#include "core/steps.h"
#include "core/weightstext.h"

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
        ASSERT_EQ(lines.size(), std::size_t(3 + 16 * 10));
        // The weights the matrices come from head the file, the fraction and exponent as typed.
        EXPECT_EQ(split(lines[1], field)[1], "2" + std::string(decimal) + "5");
        EXPECT_EQ(split(lines[1], field)[3], "1E-05");
        lines.erase(lines.begin(), lines.begin() + 3);
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

// The heading and the CSV rows name every link by its ends, as the drawing shows it, with the
// weight it had in this run; the rows keep their fields apart in either region, and a weight
// beyond the listing's range is still written in full.
TEST(WeightsText, NamesEveryLinkWithItsWeight)
{
    struct Row
    {
        const char* decimal;
        int link; // changed from its default weight
        double weight;
        const char* shown;
    };
    for (const Row& row :
         {Row{".", 1, 7, "7"}, Row{",", 1, 2.5, "2,5"}, Row{".", 10, 0.125, "0.125"},
          Row{",", 14, 1.5e300, "1,5E+300"}, Row{".", 7, -3, "-3"}}) {
        SCOPED_TRACE(row.shown);
        LinkWeights weights = defaultWeights();
        weights[std::size_t(row.link - 1)] = row.weight;
        const std::string heading = weightsHeading(weights, row.decimal);
        const std::vector<std::string> items = split(heading.substr(7), "; ");
        EXPECT_EQ(heading.substr(0, 7), "Bobot: ");
        ASSERT_EQ(items.size(), std::size_t(kLinkCount));
        for (int k = 1; k <= kLinkCount; ++k) {
            const LinkInfo& link = demoLink(k);
            const std::string value =
                k == row.link ? std::string(row.shown) : std::to_string(link.defaultWeight);
            EXPECT_EQ(items[std::size_t(k - 1)], std::to_string(link.fromNode) + "\u2192" +
                                                     std::to_string(link.toNode) + " = " + value);
        }

        const std::string field = csvFieldSeparator(row.decimal);
        CsvWriter csv(field);
        writeWeightsRows(csv, weights, row.decimal);
        const std::vector<std::string> lines = split(csv.take(), "\r\n");
        ASSERT_EQ(lines.size(), std::size_t(4)); // two rows, a blank one, nothing after
        const std::vector<std::string> links = split(lines[0], field);
        const std::vector<std::string> values = split(lines[1], field);
        ASSERT_EQ(links.size(), std::size_t(kLinkCount + 1));
        ASSERT_EQ(values.size(), std::size_t(kLinkCount + 1));
        EXPECT_EQ(links[0], "Jalur");
        EXPECT_EQ(values[0], "Bobot");
        EXPECT_EQ(links[std::size_t(row.link)], linkEndsText(row.link));
        EXPECT_EQ(values[std::size_t(row.link)], row.shown);
        EXPECT_EQ(lines[2], "");
    }
}

} // namespace
