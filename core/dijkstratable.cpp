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
        for (int v = 1; v <= kNodeCount; ++v) {
            DijkstraTableCell& cell = row.cells[std::size_t(v - 1)];
            const double d = step.distance[std::size_t(v - 1)];
            const int link = step.bestLink[std::size_t(v - 1)];
            if (std::isinf(d) && d > 0)
                cell.text = "∞";
            else if (link == 0)
                cell.text = formatGeneral(d, decimalSeparator);
            else
                cell.text = formatGeneral(d, decimalSeparator) + " (" +
                            std::to_string(demoLink(link).fromNode) + ")";
            cell.fixedHere = v == step.fixedNode;
            cell.fixed = step.fixed[std::size_t(v - 1)];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> dijkstraTableHeader()
{
    std::vector<std::string> header{"Langkah", "Tetap"};
    for (int v = 1; v <= kNodeCount; ++v)
        header.push_back(std::to_string(v));
    return header;
}

std::vector<std::string> dijkstraTableFields(const DijkstraTableRow& row)
{
    std::vector<std::string> fields{std::to_string(row.step), std::to_string(row.fixedNode)};
    for (const DijkstraTableCell& cell : row.cells)
        fields.push_back(cell.text + (cell.fixedHere ? "*" : ""));
    return fields;
}

std::string dijkstraTableText(const std::vector<DijkstraTableRow>& rows)
{
    std::vector<std::vector<std::string>> lines{dijkstraTableHeader()};
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
                             std::string_view decimalSeparator)
{
    CsvWriter csv(csvFieldSeparator(decimalSeparator));
    csv.row(dijkstraTableHeader());
    for (const DijkstraTableRow& row : rows)
        csv.row(dijkstraTableFields(row));
    return csv.take();
}

} // namespace trayeko
