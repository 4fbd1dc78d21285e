#pragma once

#include <QMdiSubWindow>

namespace trayeko::ui {

class DrawingWidget;
class Exercise;
class StepMode;

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
