#pragma once

#include "core/demonetwork.h"
#include "core/shortestpath.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

// Independent references for the demonstration network: every directed path, found by a plain
// depth-first walk over the link table.
namespace reference {

using Path = std::vector<int>; // link numbers in travel order

inline void walk(int node, int to, Path& path, std::vector<Path>& out)
{
    if (node == to) {
        out.push_back(path);
        return;
    }
    for (const trayeko::LinkInfo& link : trayeko::demoLinks()) {
        if (link.fromNode != node)
            continue;
        path.push_back(link.number);
        walk(link.toNode, to, path, out);
        path.pop_back();
    }
}

inline std::vector<Path> allPaths(int from, int to)
{
    std::vector<Path> out;
    Path path;
    walk(from, to, path, out);
    return out;
}

inline double pathLength(const Path& path, const trayeko::LinkWeights& w)
{
    double total = 0;
    for (int k : path)
        total += w[std::size_t(k - 1)];
    return total;
}

// The shortest distance from @p from to @p to; infinity where no path leads there.
inline double shortest(int from, int to, const trayeko::LinkWeights& w)
{
    double best = from == to ? 0 : std::numeric_limits<double>::infinity();
    for (const Path& p : allPaths(from, to))
        best = std::min(best, pathLength(p, w));
    return best;
}

inline trayeko::LinkWeights changed(std::vector<std::pair<int, double>> changes,
                                    trayeko::LinkWeights w = trayeko::defaultWeights())
{
    for (const auto& [k, value] : changes)
        w[std::size_t(k - 1)] = value;
    return w;
}

// The same walk for any network: every simple path from @p from to @p to over @p arcs, except
// that a path already longer than the shortest found so far is not followed further (the weights
// are positive). Returns the shortest length and every path of that length, as node lists.
struct ShortestPaths
{
    double length = std::numeric_limits<double>::infinity();
    std::vector<std::vector<int>> paths;
};

inline void walkNetwork(const std::vector<trayeko::WeightedEdge>& arcs, int to, double length,
                        std::vector<int>& nodes, ShortestPaths& best)
{
    if (length > best.length)
        return;
    if (nodes.back() == to) {
        if (length < best.length)
            best = {length, {}};
        best.paths.push_back(nodes);
        return;
    }
    for (const trayeko::WeightedEdge& arc : arcs) {
        if (arc.from != nodes.back() ||
            std::find(nodes.begin(), nodes.end(), arc.to) != nodes.end())
            continue;
        nodes.push_back(arc.to);
        walkNetwork(arcs, to, length + arc.weight, nodes, best);
        nodes.pop_back();
    }
}

inline ShortestPaths shortestPaths(const std::vector<trayeko::WeightedEdge>& arcs, int from, int to)
{
    ShortestPaths best;
    std::vector<int> nodes{from};
    walkNetwork(arcs, to, 0, nodes, best);
    return best;
}

inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

} // namespace reference
