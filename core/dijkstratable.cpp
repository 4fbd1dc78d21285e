#include "core/dijkstratable.h"

#include "core/floydcsv.h"
#include "core/numbertext.h"

#include <algorithm>
#include <cmath>

namespace trayeko {

namespace {

// The width of a UTF-8 text in characters: "∞" is one column, though three bytes.
std::size_t columns(const std::string& text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::vector<std::string> headerFor(const std::vector<DijkstraTableRow>& rows,
                                   std::vector<std::string> header)
{
    if (!header.empty())
        return header;
    return dijkstraTableHeader(rows.empty() ? kNodeCount : int(rows.front().cells.size()));
}

} // namespace

std::vector<DijkstraTableRow> dijkstraTable(const std::vector<DijkstraStep>& steps,
                                            std::string_view decimalSeparator)
{
    std::vector<DijkstraTableRow> rows;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const DijkstraStep& step = steps[s];
        DijkstraTableRow row;
        row.step = int(s + 1);
        row.fixedNode = step.fixedNode;
        row.cells.resize(step.distance.size());
        for (int v = 1; v <= int(step.distance.size()); ++v) {
            DijkstraTableCell& cell = row.cells[at(v)];
            const double d = step.distance[at(v)];
            const int previous = step.previous[at(v)];
            cell.text = formatGeneral(d, decimalSeparator);
            if (d != kNoPath && previous != 0)
                cell.text += " (" + std::to_string(previous) + ")";
            cell.fixedHere = v == step.fixedNode;
            cell.fixed = step.fixed[at(v)];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> dijkstraTableHeader(const Network& network)
{
    std::vector<std::string> header{"Langkah", "Tetap"};
    for (int v = 1; v <= network.nodeCount(); ++v)
        header.push_back(network.nodeLabel(v));
    return header;
}

std::vector<std::string> dijkstraTableHeader(int nodeCount)
{
    return dijkstraTableHeader(Network(nodeCount));
}

std::vector<std::string> dijkstraTableFields(const DijkstraTableRow& row)
{
    std::vector<std::string> fields{std::to_string(row.step), std::to_string(row.fixedNode)};
    for (const DijkstraTableCell& cell : row.cells)
        fields.push_back(cell.text + (cell.fixedHere ? "*" : ""));
    return fields;
}

std::string dijkstraTableText(const std::vector<DijkstraTableRow>& rows,
                              std::vector<std::string> header)
{
    std::vector<std::vector<std::string>> lines{headerFor(rows, std::move(header))};
    for (const DijkstraTableRow& row : rows)
        lines.push_back(dijkstraTableFields(row));
    std::vector<std::size_t> width(lines.front().size(), 0);
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size(); ++c)
            width[c] = std::max(width[c], columns(line[c]));
    std::string text;
    for (const auto& line : lines) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0)
                out.append(2, ' ');
            out += line[c];
            out.append(width[c] - columns(line[c]), ' ');
        }
        out.erase(out.find_last_not_of(' ') + 1);
        text += out + '\n';
    }
    return text + "* simpul yang ditetapkan pada langkah itu\n";
}

std::string dijkstraTableCsv(const std::vector<DijkstraTableRow>& rows,
                             std::string_view decimalSeparator, std::vector<std::string> header)
{
    CsvWriter csv(csvFieldSeparator(decimalSeparator));
    csv.row(headerFor(rows, std::move(header)));
    for (const DijkstraTableRow& row : rows)
        csv.row(dijkstraTableFields(row));
    return csv.take();
}

} // namespace trayeko
