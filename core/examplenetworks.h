#pragma once

#include "core/networkfile.h"

#include <string>
#include <vector>

namespace trayeko {

/// @brief A network that ships with the program: its entry in the menu and the document opened.
struct ExampleNetwork
{
    std::string menuText;
    NetworkDocument document;
};

/// @brief The demonstration network first, then networks that each teach one thing: a town map,
/// a network whose shortest route has the most links, one with two equal shortest routes, one on
/// which Dijkstra's method fixes a node too early (a negative weight), and one with a negative
/// cycle reachable from its start.
/// Places are in twips, as the demonstration's.
std::vector<ExampleNetwork> exampleNetworks();

} // namespace trayeko
