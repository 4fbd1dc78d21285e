#pragma once

#include "core/network.h"
#include "core/steps.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/seams.h"

#include <QString>
#include <string>
#include <vector>

namespace trayeko::ui {

// Dijkstra's method on @p network from @p start as a lesson: the pseudo-code naming both ends,
// one frame per step (every node's tentative distance beside it, fixed nodes ringed, the node
// fixed now as the pivot, the best links so far and this step's improvements), and the textbook
// table under dijkstraTableHeader(network) filled up to each step. Texts name nodes by nodeLabel.
// The table copied or saved names the links and weights it was worked out from.
Lesson dijkstraLesson(const Network& network, int start, int end, const std::string& separator);

// The same for steps already worked out on @p network; the demonstration adds its own closing
// sentence to its steps and its own heading to the table.
Lesson dijkstraLesson(const Network& network, int start, int end,
                      const std::vector<DijkstraStep>& steps, const std::string& separator);

// Floyd–Warshall on @p network as a lesson, one frame per iteration k: node k as the pivot, the
// distances from @p start beside the nodes, the route from @p start to @p end known so far, and
// the value matrix after the iteration as the grid (rows and columns numbered), its changed cells
// noted.
Lesson floydLesson(const Network& network, int start, int end, const std::string& separator);

// The same for iterations already worked out on a network of @p nodeCount nodes.
Lesson floydLesson(int nodeCount, const std::vector<FloydIteration>& iterations,
                   const std::string& separator);

// Bellman–Ford on @p network from @p start as a lesson, pass by pass: a frame for the start, one
// per pass (the links relaxed in it marked, every node's distance beside it, the best links so
// far) and, unless a pass changed nothing, one for the extra pass. The grid holds the distances
// after each pass, a row per pass and a column per node, the cells a pass lowered noted. The last
// frame says how the run ended: the early stop, or the negative cycle named and drawn, its nodes
// showing no distance.
Lesson bellmanFordLesson(const Network& network, int start, int end, const std::string& separator);

// The frames of the passes alone, one per exercise question, as step mode shows them.
std::vector<StepFrame> bellmanFordPassFrames(const LessonNetwork& lesson,
                                             const std::string& separator);

// Step mode of Bellman–Ford on the network of any lesson window; any finite weight is taken.
StepMode* addBellmanFordStepMode(LessonWindow* window, MessageBoxFn messageBox);

// The frames of the method on @p lesson, one per exercise question, as step mode shows them.
std::vector<StepFrame> lessonFrames(const LessonNetwork& lesson, bool floyd,
                                    const std::string& separator);

// Why the method cannot teach on @p lesson (no start node, a weight that is no finite number, a
// negative weight for Dijkstra); empty where it can.
QString lessonRefusal(const LessonNetwork& lesson, bool floyd);

// Whether the method can teach on @p lesson; where not, says why through @p messageBox (parent
// @p parent) and returns false.
bool acceptLesson(const LessonNetwork& lesson, bool floyd, QWidget* parent,
                  const MessageBoxFn& messageBox);

// Step mode of either method on the network of any lesson window, refusing with a message what
// the method cannot work on.
StepMode* addLessonStepMode(LessonWindow* window, bool floyd, MessageBoxFn messageBox);

} // namespace trayeko::ui
