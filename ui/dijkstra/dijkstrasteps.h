#pragma once

#include "core/demonetwork.h"
#include "ui/exercise/exercise.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/seams.h"

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace trayeko::ui {

class NetworkView;

// The steps of Dijkstra's method as the drawing shows them: fixed nodes ringed, the tentative
// distance beside every node ("∞" until reached), the best links so far and this step's
// improvements.
std::vector<StepFrame> dijkstraFrames(const LinkWeights& weights, const std::string& separator);

// The whole lesson: those frames with the pseudo-code lines, the variables and the textbook table
// filled up to each step.
Lesson dijkstraLesson(const LinkWeights& weights, const std::string& separator);

class NetworkWindow;

// The check of the weights before Dijkstra's method runs on them. Where they are refused, it says
// why through @p messageBox (parent @p parent) and then gives the first refused weight box of
// @p view the focus with its text selected, so that what the student types next replaces the
// bad text; false then.
bool acceptWeights(NetworkView* view, const LinkWeights& weights, QWidget* parent,
                   const MessageBoxFn& messageBox);

// Step mode for the Dijkstra window's drawing. It refuses the weights a run refuses, with the
// same message through @p messageBox.
StepMode* addDijkstraStepMode(NetworkWindow* window, MessageBoxFn messageBox);

// The exercise of the Dijkstra window: one question per step of @p steps' method, refusing the
// weights a run refuses; @p classroom saves and prints its summary.
DijkstraExercise* addDijkstraExercise(NetworkWindow* window, StepMode* steps,
                                      ClassroomActions* classroom, MessageBoxFn messageBox);

// Draws the route of the detail table's line under the text cursor on the drawing, in green, while
// the table has the focus; leaving the table puts the result's colours back.
class RoutePreview final : public QObject
{
    Q_OBJECT

public:
    RoutePreview(NetworkWindow* window, QPlainTextEdit* table, StepMode* steps);

    int shownRoute() const { return m_route; } // 0 while nothing is previewed

    static QColor lineColour() { return {0, 160, 0}; }
    static QColor boxColour() { return {160, 255, 160}; }

    void update();
    void end();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window takes the drawing down before the table, and the table may report a lost focus
    // while it goes.
    QPointer<NetworkView> m_view;
    QPlainTextEdit* m_table;
    QPointer<StepMode> m_steps;
    int m_route = 0;
};

} // namespace trayeko::ui
