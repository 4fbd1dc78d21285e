#pragma once

#include "ui/main/numlock.h"
#include "ui/support/followed.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QTimer;

namespace trayeko::ui {

class DijkstraWindow;
class FloydWindow;
class CompareWindow;
class LessonDock;
class Exercise;
class ExercisePanel;
class ProjectorView;
class OwnNetworks;

// Where the frame reads the date and time of day and the Num Lock state. Tests put in their own
// so that nothing depends on the machine's clock or keyboard.
struct FrameSources
{
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    NumLockProbe numLock = platformNumLock;
    // Where the lesson panel's place and size are kept between sessions.
    std::function<std::unique_ptr<QSettings>()> settings = [] {
        return std::make_unique<QSettings>(QStringLiteral("Trayeko"), QStringLiteral("Trayeko"));
    };
};

// The frame window: menus "&File" and "&Jaringan", four-panel status bar, and the tool windows as
// MDI children.
//
// Status bar m_statusBar panels (QLabel objectNames, left to right):
//   "Panel1"  the word "Status"
//   "Panel2"  the date written at load + " Indonesia", tool tip "Tanggal Sekarang"
//   "Panel3"  the running time of day + " WIB" (" WITA", " WIT", the zone's abbreviation
//             elsewhere), tool tip "Jam Sekarang"
//   "Panel4"  "NUM" while Num Lock is on (blank where the platform cannot tell)
class MainWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    explicit MainWindow(FrameSources sources, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Milliseconds from @p now until just after the next second boundary: when the clock panel
    // next needs rewriting.
    static int msecsToNextTick(QTime now);

    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The lesson panel "Pelajaran": shown in step mode, following the active tool window.
    LessonDock* lessonDock() const { return m_lessonDock; }
    // The menu "&Jaringan" and the "Jaringan Sendiri" windows.
    OwnNetworks* ownNetworks() const { return m_ownNetworks; }
    // Opens each network file in a window of its own ("trayeko FILE..."); a refused one is
    // reported and the others still open.
    void openNetworkFiles(const QStringList& paths);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Network files dropped from a file manager open as they do from the command line.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showDijkstra();
    void showFloyd();
    void showCompare();
    // Shows the window in @p slot, made first (with @p options) when there is none.
    template <class Window, class... Options>
    void showToolWindow(QPointer<Window>& slot, Options... options);
    void endProgram();
    void tick();
    void buildLessonDock();
    void followActiveWindow();
    // F6: the keyboard focus from the active tool window to the lesson panel, or back.
    void switchPart();
    // The panel follows @p window's step mode and exercise; those of the window it leaves end.
    void followWindow(QMdiSubWindow* window);
    // Brings @p window forward whenever its step mode or exercise begins.
    void watchLessons(QMdiSubWindow* window);
    void showLessonsOf(QMdiSubWindow* window);
    void openLessonDock();
    // The panel's width as it opens beside the tool windows (@p chosenWidth the first time, 0
    // to keep its own), the active window moved whole beside it where the area has the room.
    void placeLessonDock(int chosenWidth);
    // Moves @p window into the document area's visible part, as far as it fits.
    void keepInArea(QMdiSubWindow* window);
    // Scrolls the document area to @p focused, a control of a tool window, where it is out of view.
    void scrollToFocus(QWidget* focused);
    void followExercise(Exercise* exercise);
    void openExercisePanel();
    void saveLessonPlace();

    FrameSources m_sources;
    QMdiArea* m_mdiArea = nullptr;

    QMenu* m_fileMenu = nullptr;
    QAction* m_dijkstraAction = nullptr;
    QAction* m_floydAction = nullptr;
    QAction* m_compareAction = nullptr;
    QAction* m_quitAction = nullptr;

    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QLabel* m_numLockPanel = nullptr;
    QTimer* m_clockTimer = nullptr;
    LessonDock* m_lessonDock = nullptr;
    bool m_lessonPlaced = false;
    QPointer<Exercise> m_exercise;
    QPointer<ExercisePanel> m_exercisePanel;
    FollowedConnections m_exerciseConnections;

    OwnNetworks* m_ownNetworks = nullptr;
    QPointer<ProjectorView> m_projector;
    QPointer<DijkstraWindow> m_dijkstraWindow;
    QPointer<FloydWindow> m_floydWindow;
    QPointer<CompareWindow> m_compareWindow;
};

} // namespace trayeko::ui
