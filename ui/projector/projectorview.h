#pragma once

#include "ui/drawing/lessonwindow.h"

#include <QByteArray>
#include <QFont>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizePolicy>
#include <functional>
#include <utility>
#include <vector>

class QAction;
class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;
class QMdiArea;
class QShortcut;
class QSplitter;

namespace trayeko::ui {

class LessonDock;

// How the projector view shares a screen: the drawing takes the scale at which its smallest text
// reaches the size a class can read from the back, the lesson panel what width is left.
struct ProjectorLayout
{
    double scale = 1.0;
    int panelWidth = 0;
};

// The layout on a screen of @p screen pixels for a drawing region of @p region pixels whose
// smallest text is @p smallestTextPx high; @p separator is the gap between drawing and panel. All
// in the program's pixels; @p pixelRatio screen pixels make one (the scale factor).
ProjectorLayout projectorLayout(QSize screen, QSize region, double smallestTextPx, int separator,
                                double pixelRatio = 1.0);

// What tests replace: the screen's size and how the view shows itself.
struct ProjectorSeams
{
    // The size the view fills; the frame's screen by default.
    std::function<QSize()> screenSize;
    // Full screen by default; tests show it as a plain window of screenSize().
    bool fullScreen = true;
};

// The projector view "projectorView": a window of its own, full screen, showing the client area
// of one lesson window scaled in a graphics view (the real widgets, so clicks and typing still
// reach them) and the lesson panel beside it in a larger font. The drawing, the total and the
// elapsed time fill the height; the panel takes the width that is left. Step mode, playback and
// exercises answer their keys here as in the window. F11 leaves, and Esc where nothing else takes
// it; leaving gives the window back to the document area at its place, the panel back to the
// frame where it stood, and the fonts as they were.
class ProjectorView final : public QMainWindow
{
    Q_OBJECT

public:
    ProjectorView(QMainWindow* frame, LessonDock* lessonPanel);
    ~ProjectorView() override;

    void setSeams(ProjectorSeams seams) { m_seams = std::move(seams); }

    bool isActive() const { return bool(m_window); }
    LessonWindow* shownWindow() const { return m_window; }
    // Shows @p window's drawing and the lesson panel; a view already showing one leaves it first.
    void enter(LessonWindow* window);
    void leave();
    // enter() for the frame's active lesson window, or leave() when shown.
    void toggle(LessonWindow* activeWindow);

    QGraphicsView* view() const { return m_view; }
    // The drawing's scale on screen now, and its smallest text in pixels before scaling.
    double drawingScale() const;
    double smallestTextPx() const;
    // Screen pixels per pixel of the program (the scale factor); the sizes below are the screen's.
    double pixelRatio() const;
    // The part of the client area shown: the drawing with the total and elapsed time below it.
    QRect region() const { return m_region; }

    // The size of the panel's text here, in screen pixels.
    static constexpr int kPanelTextPx = 20;
    // The size of the panel's buttons here (screen pixels): smaller, so that each row of them
    // fits the panel's width.
    static constexpr int kPanelControlPx = 15;
    // The least size of the drawing's text on screen, in screen pixels.
    static constexpr double kDrawingTextPx = 20.0;

signals:
    void entered();
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SavedFont
    {
        QPointer<QWidget> widget;
        QFont font;
        bool own = false;
    };
    struct Mirror
    {
        QPointer<QShortcut> original;
        QShortcut* copy = nullptr;
    };

    QSize screenSize() const;
    void arrange();
    void fitDrawing();
    void showWholeGrid();
    void findSplit();
    void borrowKeys();
    void returnKeys();
    void syncKeys();
    void enlargePanelFonts();
    void restorePanelFonts();
    void adoptFont(QWidget* widget, bool madeHere);
    void returnPanel();

    ProjectorSeams m_seams;
    QPointer<QMainWindow> m_frame;
    QPointer<LessonDock> m_panel;
    QGraphicsScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    QShortcut* m_leaveKey = nullptr;

    QPointer<LessonWindow> m_window;
    QMetaObject::Connection m_windowGone;
    QPointer<QWidget> m_client;
    QGraphicsProxyWidget* m_proxy = nullptr;
    QRect m_region;
    QPoint m_windowPos;
    QString m_windowTitle;

    QByteArray m_frameState;
    Qt::DockWidgetArea m_panelArea = Qt::RightDockWidgetArea;
    bool m_panelWasVisible = false;
    bool m_panelWasFloating = false;
    QRect m_panelFloatingGeometry;
    int m_panelMinWidth = 0;
    int m_panelMaxWidth = QWIDGETSIZE_MAX;
    int m_panelFeatures = 0;
    double m_fontFactor = 1.0;
    std::vector<SavedFont> m_fonts;
    QPointer<QSplitter> m_split;
    QByteArray m_splitState;
    QSizePolicy m_splitPolicy;
    QMetaObject::Connection m_gridChanged;
    QMetaObject::Connection m_panelOpened;

    std::vector<QPointer<QAction>> m_borrowedActions;
    std::vector<Mirror> m_mirrors;
};

// Gives every lesson window of @p area an entry "Tampilan proyektor" (F11) in its drawing's
// context menu and answers F11 in @p lessonPanel too; returns the one projector view of @p frame.
ProjectorView* installProjectorView(QMainWindow* frame, QMdiArea* area, LessonDock* lessonPanel);

} // namespace trayeko::ui
