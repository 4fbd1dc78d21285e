#include "core/weightstext.h"

#include "core/numbertext.h"

#include <vector>

namespace trayeko {

std::string linkEndsText(int k)
{
    const LinkInfo& link = demoLink(k);
    return std::to_string(link.fromNode) + "\u2192" + std::to_string(link.toNode);
}

std::string weightsList(const LinkWeights& weights, std::string_view decimalSeparator)
{
    std::string text;
    for (int k = 1; k <= kLinkCount; ++k) {
        if (k > 1)
            text += "; ";
        text += linkEndsText(k) + " = " + formatGeneral(weights[size_t(k - 1)], decimalSeparator);
    }
    return text;
}

std::string weightsHeading(const LinkWeights& weights, std::string_view decimalSeparator)
{
    return "Bobot: " + weightsList(weights, decimalSeparator);
}

void writeWeightsRows(CsvWriter& csv, const LinkWeights& weights, std::string_view decimalSeparator)
{
    std::vector<std::string> links{"Jalur"};
    std::vector<std::string> values{"Bobot"};
    for (int k = 1; k <= kLinkCount; ++k) {
        links.push_back(linkEndsText(k));
        values.push_back(formatGeneral(weights[size_t(k - 1)], decimalSeparator));
    }
    csv.row(links);
    csv.row(values);
    csv.row({});
}

} // namespace trayeko
