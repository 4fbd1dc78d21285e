#pragma once

#include "core/demonetwork.h"

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

inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

} // namespace reference
