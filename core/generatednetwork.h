#pragma once

#include "core/network.h"
#include "core/shortestpath.h"

#include <cstdint>
#include <vector>

namespace trayeko {

/// @brief The largest weight a generated link gets; weights are whole numbers from 1.
inline constexpr int kGeneratedMaxWeight = 20;

/// @brief Where a node of a generated network stands in its layered drawing: node 1 alone in
/// column 0, node n alone in the last column, both halfway down; the others column by column, top
/// to bottom, in number order.
struct NodePlace
{
    int column;
    double row; ///< 0 for the top row
};

/// @brief The shape of the generated network of @p nodeCount nodes: its inner nodes stand in
/// columns of rowCount nodes (the last column may hold fewer).
struct GeneratedShape
{
    int nodeCount;
    int rowCount;    ///< the smallest whole number at least the square root of the inner nodes
    int columnCount; ///< including the columns of node 1 and node n
    NodePlace place(int node) const;
    /// @brief The node at @p column (1 ... columnCount - 2) and @p row, 0 where there is none.
    int nodeAt(int column, int row) const;
};

GeneratedShape generatedShape(int nodeCount);

/// @brief A directed network of @p nodeCount nodes made from @p seed, the same on every machine
/// (the generator is this program's own and uses whole-number arithmetic only).
///
/// Drawn as GeneratedShape places the nodes, no two links cross. Node 1 links to every node of the
/// first column, every node links to its right-hand neighbour in its row, the nodes of the last
/// column link to node n, and those below the end of a shorter last column to its lowest node; so
/// node 1 reaches every node, and every node reaches node n. Beside those, each
/// pair of nodes one above the other is joined by one link about every second time, and each
/// square of four nodes by one of its diagonals about every second time; a quarter of these links
/// run right to left or upwards. No pair has links both ways. Each node's place is its column and
/// row (x = column, y = row).
Network generatedNetwork(int nodeCount, std::uint64_t seed);

} // namespace trayeko
