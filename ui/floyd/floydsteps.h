#pragma once

#include "core/demonetwork.h"
#include "ui/stepping/stepmode.h"

#include <optional>

class QListWidget;

namespace trayeko::ui {

class NetworkWindow;

// Floyd-Warshall as a lesson, one frame per iteration k: node k ringed, the distances from node 1
// beside the nodes, the route from node 1 to node 7 known so far, and the value matrix after the
// iteration with its changed cells noted.
Lesson floydLesson(const LinkWeights& weights, const std::string& separator);

// Step mode for the Floyd window's drawing: step k uses node k as intermediate. Node k is ringed,
// the distance from node 1 stands beside every node, the route from node 1 to node 7 known so far
// is drawn, and both listings scroll to their block "Iterasi k" (and back when step mode ends)
// while they list the weights being stepped through; @p listedWeights tells which they list.
StepMode* addFloydStepMode(NetworkWindow* window, QListWidget* values, QListWidget* nodes,
                           std::function<std::optional<LinkWeights>()> listedWeights);

} // namespace trayeko::ui
