#include "core/generatednetwork.h"

#include "core/splitmix.h"

#include <algorithm>

namespace trayeko {

GeneratedShape generatedShape(int nodeCount)
{
    const int inner = std::max(nodeCount - 2, 0);
    int rows = 1;
    while (rows * rows < inner)
        ++rows;
    return {nodeCount, rows, 2 + (inner + rows - 1) / rows};
}

NodePlace GeneratedShape::place(int node) const
{
    const double middle = (rowCount - 1) / 2.0;
    if (node <= 1)
        return {0, middle};
    if (node >= nodeCount)
        return {columnCount - 1, middle};
    return {1 + (node - 2) / rowCount, double((node - 2) % rowCount)};
}

int GeneratedShape::nodeAt(int column, int row) const
{
    if (column < 1 || row < 0 || row >= rowCount)
        return 0;
    const int node = 2 + (column - 1) * rowCount + row;
    return node < nodeCount ? node : 0;
}

Network generatedNetwork(int nodeCount, std::uint64_t seed)
{
    SplitMix64 random(seed);
    const GeneratedShape shape = generatedShape(nodeCount);
    std::vector<WeightedEdge> edges;
    const auto link = [&](int from, int to) {
        edges.push_back({from, to, double(1 + random.below(kGeneratedMaxWeight))});
    };
    // Now and then, and then a quarter of the time against the reading direction.
    const auto maybeLink = [&](int from, int to) {
        if (random.below(2) == 0)
            return;
        if (random.below(4) == 0)
            std::swap(from, to);
        link(from, to);
    };
    if (nodeCount == 2)
        link(1, 2);
    for (int row = 0; row < shape.rowCount; ++row)
        if (const int first = shape.nodeAt(1, row))
            link(1, first);
    for (int column = 1; column < shape.columnCount - 1; ++column)
        for (int row = 0; row < shape.rowCount; ++row) {
            const int node = shape.nodeAt(column, row);
            if (!node)
                continue;
            const int right = shape.nodeAt(column + 1, row);
            if (right)
                link(node, right);
            else if (column == shape.columnCount - 2)
                link(node, nodeCount);
            else // below the end of a shorter last column: to its lowest node
                link(node, shape.nodeAt(column + 1, (nodeCount - 3) % shape.rowCount));
            if (const int below = shape.nodeAt(column, row + 1))
                maybeLink(node, below);
            // One diagonal of the square to the right and below, or none.
            const int belowRight = shape.nodeAt(column + 1, row + 1);
            const int below = shape.nodeAt(column, row + 1);
            if (right && below && belowRight) {
                const int which = random.below(4);
                if (which == 1)
                    maybeLink(node, belowRight);
                else if (which == 2)
                    maybeLink(below, right);
            }
        }
    Network network(nodeCount, edges);
    for (int n = 1; n <= nodeCount; ++n) {
        const NodePlace p = shape.place(n);
        network.setNodePlace(n, p.column, p.row);
    }
    return network;
}

} // namespace trayeko
