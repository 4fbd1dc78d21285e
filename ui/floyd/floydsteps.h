#pragma once

#include "ui/common/stepmode.h"

class QListWidget;

namespace trayeko::ui {

class NetworkView;

// Step mode for the Floyd window's drawing: step k uses node k as intermediate. Node k is ringed,
// the distance from node 1 stands beside every node, the route from node 1 to node 7 known so far
// is drawn, and both listings scroll to their block "Iterasi k" (and back when step mode ends).
StepMode* addFloydStepMode(NetworkView* view, QWidget* window, QListWidget* values,
                           QListWidget* nodes);

} // namespace trayeko::ui
