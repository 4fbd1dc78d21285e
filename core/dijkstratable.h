#pragma once

#include "core/steps.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief One cell of the textbook table: the tentative distance and the predecessor after a
/// step ("8 (3)"), "∞" while the node is not reached, "0" for the start.
struct DijkstraTableCell
{
    std::string text;
    bool fixedHere = false; ///< the node this step fixed
    bool fixed = false;     ///< fixed in this step or before
};

/// @brief One row per step of Dijkstra's method, one cell per node.
struct DijkstraTableRow
{
    int step = 0; ///< from 1
    int fixedNode = 0;
    std::vector<DijkstraTableCell> cells; ///< node 1 first
};

/// @brief The table of @p steps as textbooks work it, row k after step k.
std::vector<DijkstraTableRow> dijkstraTable(const std::vector<DijkstraStep>& steps,
                                            std::string_view decimalSeparator = ".");

/// @brief The column titles: "Langkah", "Tetap", then each node's label (nodeLabel).
std::vector<std::string> dijkstraTableHeader(const Network& network);
/// @brief The same with the node numbers 1 ... @p nodeCount, the demonstration's seven unless
/// told.
std::vector<std::string> dijkstraTableHeader(int nodeCount = kNodeCount);

/// @brief The fields of one row as the text and CSV forms write them: the node fixed in that
/// step carries a "*".
std::vector<std::string> dijkstraTableFields(const DijkstraTableRow& row);

/// @brief The table as plain text in aligned columns under @p header (by default the node
/// numbers of as many nodes as the rows have cells), with a closing line on the "*"; lines end
/// in "\n".
std::string dijkstraTableText(const std::vector<DijkstraTableRow>& rows,
                              std::vector<std::string> header = {});

/// @brief The table as CSV: the header row (as for the text), then one row per step; the field
/// separator suits @p decimalSeparator, lines end in CR LF.
std::string dijkstraTableCsv(const std::vector<DijkstraTableRow>& rows,
                             std::string_view decimalSeparator,
                             std::vector<std::string> header = {});

} // namespace trayeko
