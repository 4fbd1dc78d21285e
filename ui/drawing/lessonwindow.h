#pragma once

#include "core/network.h"

#include <QMdiSubWindow>
#include <vector>

namespace trayeko::ui {

class DrawingWidget;
class Exercise;
class StepMode;

// The network a lesson works on, with the weights as the window shows them now (typed, not yet
// run), and where its route starts and ends.
struct LessonNetwork
{
    Network network;
    int start = 1;
    int end = 0; // 0: the last node

    int endNode() const { return end > 0 ? end : network.nodeCount(); }
};

// An MDI child that teaches on a drawn network: what the frame's lesson panel, the projector view
// and the features of a window follow, whichever network and method the window shows.
class LessonWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    // The drawing the window's step mode and exercise mark.
    virtual DrawingWidget* drawing() const = 0;
    // Its step mode (F10) and its exercise (F9); null where the window has none yet.
    virtual StepMode* stepMode() const = 0;
    virtual Exercise* exercise() const = 0;

    // What step mode and the exercises work on: the weights as shown or typed now.
    virtual LessonNetwork lessonNetwork() const = 0;
    // Puts @p weights (one per link, link 1 first) into the window as if the user had typed them,
    // announcing weightsEdited: "Soal baru", "Buka soal..." and "Bobot awal" of an exercise.
    virtual void setLessonWeights(const std::vector<double>& weights) = 0;
    // The weights "Bobot awal" puts back.
    virtual std::vector<double> defaultLessonWeights() const = 0;

signals:
    // What the features of a window follow, so that none has to look for the window's controls.
    // The run button was pressed: a run starts, or the input is refused.
    void runStarting();
    // A run has shown its result.
    void runFinished();
    // The user has changed what the methods work on (a weight typed, a network edited).
    void weightsEdited();

protected:
    explicit LessonWindow(QWidget* parent = nullptr) : QMdiSubWindow(parent) {}
};

} // namespace trayeko::ui
