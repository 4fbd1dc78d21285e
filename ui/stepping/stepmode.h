#pragma once

#include "core/steps.h"
#include "ui/drawing/drawingmodel.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QAction;
class QShortcut;
class QTimer;

namespace trayeko::ui {

class DrawingWidget;
class LessonWindow;

// A grid the lesson shows beside the explanation: Dijkstra's table or Floyd's value matrix. A
// cell with a note is marked; the note is its tool tip and its text for assistive technology.
struct LessonGrid
{
    QStringList columns;
    QStringList rows;
    std::vector<QStringList> cells; // [row][column]
    std::vector<QStringList> notes; // the same shape; empty: not marked
    int currentRow = -1;            // the row this step wrote, announced
};

// One step as the drawing and the lesson panel show it.
struct StepFrame
{
    StepMarks marks;
    QString explanation;        // "Langkah k dari n: ..."
    std::vector<int> codeLines; // of the lesson's pseudo-code, from 1
    QString variables;          // "u = 3, d[u] = 6, ..."
    LessonGrid grid;
};

// What a lesson shows for every step alike, and its table as text and CSV.
struct Lesson
{
    std::vector<StepFrame> frames;
    QStringList code;
    QString gridTitle;
    QString tableText; // for "Salin teks"; empty where the grid cannot be copied
    std::string tableCsv;
};

// Step-by-step mode on a tool window's drawing: an action "Langkah demi langkah" (F10) in the
// drawing's context menu starts it and the marks of the current step are its layer of the
// drawing; the lesson panel of the main frame (LessonDock) explains the step. Right or Space
// steps on, Left back, Home and End jump, P plays or pauses, Esc leaves. Its look is a layer of
// the drawing, taken away on leaving; nothing else of the window is touched. Editing a weight or
// starting a run leaves step mode.
class StepMode final : public QObject
{
    Q_OBJECT

public:
    // The steps for the current weights; no frames means the weights were refused (the source
    // has told the user why).
    using Source = std::function<Lesson()>;

    // Works on the drawing of @p window, whose keys it answers; the window hands it out as its
    // stepMode().
    StepMode(LessonWindow* window, Source source);

    QAction* action() const { return m_action; }
    bool isActive() const { return m_active; }
    int currentStep() const { return m_current; } // 0-based
    int stepCount() const { return int(m_lesson.frames.size()); }
    const Lesson& lesson() const { return m_lesson; }
    const StepFrame* currentFrame() const;
    // The widget that holds the focus in step mode, so that the step keys never reach a box: the
    // drawing itself.
    QWidget* focusHolder() const;

    void enter();
    void leave();
    void showStep(int index);
    void next() { showStep(m_current + 1); }
    void previous() { showStep(m_current - 1); }
    void first() { showStep(0); }
    void last() { showStep(stepCount() - 1); }

    // Playback: one step every playInterval() ms from the step shown, stopping at the last.
    bool isPlaying() const;
    void play();
    void pause();
    void togglePlay() { isPlaying() ? pause() : play(); }
    void setPlayInterval(int ms);
    int playInterval() const;
    // What the timer calls; tests call it instead of waiting.
    void playTick();
    QTimer* playTimer() const { return m_timer; }

    // Where "Simpan CSV..." of the lesson's table writes, with the window's file dialog.
    void setCsvSaver(std::function<void(const std::string&)> save) { m_saveCsv = std::move(save); }
    void saveTableCsv() const;
    void copyTableText() const;

    // The key of the action that starts step mode.
    static constexpr Qt::Key kStartKey = Qt::Key_F10;

    // The keys of step mode and what each does, for every place that answers them (the window,
    // the lesson panel) and for the help's key table. Space presses a focused button, as
    // everywhere else, or steps on.
    struct Key
    {
        Qt::Key key;
        void (StepMode::*slot)();
        const char* what; // in the help's words, UTF-8
    };
    static std::span<const Key> keys();

signals:
    void stepShown(int index);
    void entered();
    void left();
    void playingChanged(bool playing);

private:
    void nextOrPressFocusedButton();

    DrawingWidget* m_view;
    QWidget* m_window;
    Source m_source;
    QAction* m_action = nullptr;
    QTimer* m_timer = nullptr;
    std::vector<QShortcut*> m_keys;
    Lesson m_lesson;
    std::function<void(const std::string&)> m_saveCsv;
    int m_current = 0;
    bool m_active = false;
    QPointer<QWidget> m_savedFocus;
    Qt::FocusPolicy m_viewFocus = Qt::NoFocus; // the drawing's own, given back on leaving
};

// The names of every coloured element of the drawing: nodes, link lines and weight boxes.
QStringList drawingElementNames();

// The variables of a step as one line: "u = 3, d[u] = 6".
QString variablesText(const std::vector<StepVariable>& variables);

// The heading of step mode's keys in the help, under which the lesson panel lists its own.
inline constexpr char kStepSection[] = "Mode langkah demi langkah (Dijkstra dan Floyd)";

// The step keys, for the help texts of the parts that answer them.
QString stepKeysText();

// A sentence on a step's marks for assistive technology: fixed nodes and the distances shown,
// nodes by their labels and links by their ends in @p network, distances from node @p start.
QString marksDescription(const StepMarks& marks, const Network& network, int start);
// The same on the demonstration network, from node 1.
QString marksDescription(const StepMarks& marks);

} // namespace trayeko::ui
