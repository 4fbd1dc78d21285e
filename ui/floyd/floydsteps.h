#pragma once

#include "core/demonetwork.h"
#include "ui/stepping/stepmode.h"

#include <optional>

class QListWidget;

namespace trayeko::ui {

class NetworkWindow;

// Step mode for the Floyd window's drawing: step k uses node k as intermediate. Node k is ringed,
// the distance from node 1 stands beside every node, the route from node 1 to node 7 known so far
// is drawn, and both listings scroll to their block "Iterasi k" (and back when step mode ends)
// while they list the weights being stepped through; @p listedWeights tells which they list.
StepMode* addFloydStepMode(NetworkWindow* window, QListWidget* values, QListWidget* nodes,
                           std::function<std::optional<LinkWeights>()> listedWeights);

} // namespace trayeko::ui
