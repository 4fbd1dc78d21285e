#include "core/floydcsv.h"

#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/weightstext.h"

#include <vector>

namespace trayeko {

namespace {

template <class CellText>
void writeTable(CsvWriter& csv, int nodeCount, const char* matrixName, int iteration,
                CellText cellText)
{
    csv.row({matrixName, iteration == 0 ? std::string("Inisialisasi")
                                        : "Iterasi " + std::to_string(iteration)});
    std::vector<std::string> fields{"Dari/Ke"};
    for (int column = 1; column <= nodeCount; ++column)
        fields.push_back(std::to_string(column));
    csv.row(fields);
    for (int row = 1; row <= nodeCount; ++row) {
        fields = {std::to_string(row)};
        for (int column = 1; column <= nodeCount; ++column)
            fields.push_back(cellText(row, column));
        csv.row(fields);
    }
    csv.row({});
}

} // namespace

std::string csvFieldSeparator(std::string_view decimalSeparator)
{
    return decimalSeparator.find(',') == std::string_view::npos ? "," : ";";
}

std::string floydCsv(const LinkWeights& weights, std::string_view decimalSeparator)
{
    std::vector<FloydMatrices> steps{initFloydMatrices(weights)};
    for (int k = 1; k <= kNodeCount; ++k) {
        steps.push_back(steps.back());
        floydStep(steps.back(), k);
    }

    CsvWriter csv(csvFieldSeparator(decimalSeparator));
    // The weights first: a file handed on names the network its matrices belong to.
    writeWeightsRows(csv, weights, decimalSeparator);
    for (std::size_t k = 0; k < steps.size(); ++k)
        writeTable(csv, kNodeCount, "Matriks Nilai", int(k), [&](int i, int j) {
            const std::optional<double> cell = steps[k].value(i, j);
            return cell ? formatGeneral(*cell, decimalSeparator) : std::string("~");
        });
    for (std::size_t k = 0; k < steps.size(); ++k)
        writeTable(csv, kNodeCount, "Matriks Simpul", int(k),
                   [&](int i, int j) { return std::to_string(steps[k].node(i, j)); });
    return csv.take();
}

} // namespace trayeko
