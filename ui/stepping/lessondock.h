#pragma once

#include "ui/stepping/textcells.h"
#include "ui/support/followed.h"

#include <QDockWidget>
#include <QPointer>
#include <vector>

class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTableWidget;
class QToolButton;

namespace trayeko::ui {

class Announcer;
class StepMode;
struct Lesson;
struct LessonGrid;

// The lesson panel "Pelajaran" of the main frame: the whole explanation of the current step, the
// method's pseudo-code with the lines the step executes marked and its variables, Dijkstra's table
// or Floyd's value matrix, and playback (first, back, play or pause with its speed, forward,
// last). It follows one window's step mode at a time, the one the frame makes it follow; the
// step keys work here as in the window.
class LessonDock final : public QDockWidget
{
    Q_OBJECT

public:
    explicit LessonDock(QWidget* parent = nullptr);

    void follow(StepMode* mode);
    StepMode* followed() const { return m_mode; }

    // Shows @p page (an exercise, say) in the panel in place of the lesson, adding it the first
    // time (it scrolls inside the panel where the screen is too small for it); null shows the
    // lesson again.
    void showPage(QWidget* page);

    // Gives the keyboard focus to the page shown: where it was last in it, or its first control.
    void focusPage();

    // The width at which the lesson shown needs no scrolling sideways (its longest code line, the
    // grid's widest cells); 0 before a lesson has been shown. The panel itself never grows to it:
    // the frame chooses the panel's width once, and a narrower panel scrolls its code and grid.
    int preferredWidth() const { return m_preferredWidth; }

    // The marked cells' colour, also named in the guides.
    static QColor markColour() { return {255, 224, 128}; }

signals:
    // Step mode of the followed window has begun and the panel shows its lesson.
    void opened();
    // The user has closed the panel.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab and Shift+Tab go round the controls of the page shown and stay in the panel.
    bool focusNextPrevChild(bool next) override;

private:
    void build();
    // The controls of the page shown that Tab reaches, in the order it reaches them.
    QList<QWidget*> tabStops() const;
    void showLesson();
    void showFrame();
    // The grid's cells, headings and notes as @p grid has them, each written only where it
    // differs.
    void writeGrid(const LessonGrid& grid);
    void showPlaying(bool playing);
    // The grid's columns as wide as their widest cell of any step, and preferredWidth().
    void fitWidths(const Lesson& lesson);
    template <class Call> void onMode(Call call);

    QPointer<StepMode> m_mode;
    QStackedWidget* m_pages = nullptr;
    FollowedConnections m_connections;
    QLabel* m_hint = nullptr;
    Announcer* m_announcer = nullptr;
    QWidget* m_controls = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_body = nullptr;
    QWidget* m_tableButtons = nullptr;
    QLabel* m_explanation = nullptr;
    QLabel* m_variables = nullptr;
    QListWidget* m_code = nullptr;
    QLabel* m_gridTitle = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_csv = nullptr;
    QToolButton* m_play = nullptr;
    QDoubleSpinBox* m_speed = nullptr;
    // The grid's texts and headings as wide as they were measured in an earlier lesson.
    TextWidths m_cellWidths;
    TextWidths m_headWidths;
    int m_playIntervalMs = 1000;
    int m_preferredWidth = 0;
};

} // namespace trayeko::ui
