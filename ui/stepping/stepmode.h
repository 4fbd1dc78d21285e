#pragma once

#include "ui/stepping/stepoverlay.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QShortcut;
class QToolButton;

namespace trayeko::ui {

class NetworkView;
class NetworkWindow;

// One step as the drawing and the explanation show it.
struct StepFrame
{
    StepMarks marks;
    QString explanation; // "Langkah k dari n: ..."
};

// Step-by-step mode on a tool window's drawing: an action "Langkah demi langkah" (F10) in the
// drawing's context menu starts it, the marks of the current step are painted over the drawing,
// and a small panel inside the frame explains the step with buttons ◀ ▶. Right or Space steps
// on, Left back, Home and End jump, Esc leaves. Its look is a layer of the drawing, taken away on
// leaving; nothing else of the window is touched. Editing a weight or starting a run leaves step
// mode.
class StepMode final : public QObject
{
    Q_OBJECT

public:
    // The steps for the current weights; an empty list means the weights were refused (the
    // source has told the user why).
    using Source = std::function<std::vector<StepFrame>()>;

    // Works on the drawing of @p window, whose keys it answers; @p panelRect is where the
    // explanation sits inside the drawing, clear of nodes and weight boxes.
    StepMode(NetworkWindow* window, QRect panelRect, Source source);

    QAction* action() const { return m_action; }
    bool isActive() const { return m_active; }
    int currentStep() const { return m_current; } // 0-based
    int stepCount() const { return int(m_frames.size()); }

    void enter();
    void leave();
    void showStep(int index);
    void next() { showStep(m_current + 1); }
    void previous() { showStep(m_current - 1); }
    void first() { showStep(0); }
    void last() { showStep(stepCount() - 1); }

signals:
    void stepShown(int index);
    void entered();
    void left();

private:
    void nextOrPressFocusedButton();
    void buildPanel(QRect panelRect);

    NetworkView* m_view;
    QWidget* m_window;
    Source m_source;
    QAction* m_action = nullptr;
    StepOverlay* m_overlay = nullptr;
    QFrame* m_panel = nullptr;
    QLabel* m_explanation = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    std::vector<QShortcut*> m_keys;
    std::vector<StepFrame> m_frames;
    int m_current = 0;
    bool m_active = false;
    QPointer<QWidget> m_savedFocus;
};

// The names of every coloured element of the drawing: nodes, link lines and weight boxes.
QStringList drawingElementNames();

// A sentence on a step's marks for assistive technology: fixed nodes and the distances shown.
QString marksDescription(const StepMarks& marks);

} // namespace trayeko::ui
