#include "ui/main/mainwindow.h"

#include "core/networkfile.h"
#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/floyd/floydwindow.h"
#include "ui/help/helpwindow.h"
#include "ui/main/regionaltime.h"
#include "ui/ownnetwork/ownnetworks.h"
#include "ui/ownnetwork/ownnetworkwindow.h"
#include "ui/projector/projectorview.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/artwork.h"
#include "ui/support/fontsizes.h"
#include "ui/support/keyregistry.h"
#include "ui/support/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <array>

namespace trayeko::ui {

namespace {

// Design size of the client area, used when the user restores the frame from maximized.
constexpr int kClientWidth = 9795;
constexpr int kClientHeight = 6435;

// Status panel widths in twips, left to right.
constexpr std::array<int, 4> kPanelWidths{5440, 2445, 2445, 1440};

// What a screen reader says for the frame's parts; the panels keep their texts as names, and the
// date and clock panels their tool tips as descriptions.
constexpr AccessibleText kAccessibleTexts[] = {
    {"", "Trayeko", "Jendela utama; menu File (Alt+F) membuka metode Dijkstra, Floyd dan Compare"},
    {"mdiArea", "Area jendela metode"},
    {"StatusBar1", "Baris status"},
    {"Panel4", nullptr, "Indikator Num Lock"},
};

// The menu's mnemonics, and closing a tool window as the MDI area does it.
constexpr KeyRow kMenuKeys[] = {
    {{},
     "Alt+F",
     "membuka menu File; lalu D, F, C atau K untuk Dijkstra, Floyd, Compare atau Keluar"},
};
constexpr KeyRow kAreaKeys[] = {
    {{}, "Ctrl+F4, Ctrl+W", "menutup jendela aktif di dalam jendela utama"},
};
const KeyListing kMenuListed(keyplace::kEveryWindow + 10, kEveryWindowSection, kMenuKeys);
const KeyListing kAreaListed(keyplace::kEveryWindow + 30, kEveryWindowSection, kAreaKeys);

// F6 goes between the parts of the frame, as on the desktop: the active tool window and the
// lesson panel. With two parts, Shift+F6 (the other way round) does the same.
constexpr KeyRow kPartKeys[] = {
    {Qt::Key_F6, nullptr, "pindah antara jendela aktif dan panel Pelajaran"},
    {Qt::SHIFT | Qt::Key_F6, nullptr, "pindah antara jendela aktif dan panel Pelajaran"},
};
const KeyListing kPartsListed(keyplace::kEveryWindow + 40, kEveryWindowSection, kPartKeys);

// The lesson panel's width when the frame first opens it, and the narrowest the frame makes it to
// leave a tool window whole beside it (its playback buttons still in one row), in logical pixels.
constexpr int kLessonWidth = 380;
constexpr int kLessonMinWidth = 240;

// Set on a tool window whose step mode and exercise the frame listens to.
constexpr char kLessonsWatched[] = "trayekoLessonsWatched";

// What the lesson panel follows in a tool window: its step mode and its exercise (the comparison
// window has neither).
struct Lessons
{
    StepMode* mode = nullptr;
    Exercise* exercise = nullptr;
};

Lessons lessonsOf(QMdiSubWindow* window)
{
    if (auto* lesson = qobject_cast<LessonWindow*>(window))
        return {lesson->stepMode(), lesson->exercise()};
    return {};
}

// The clock wakes this long after each second boundary, so that the small drift between the
// timer's steady clock and the wall clock never makes it show the old second once more.
constexpr int kTickSlackMs = 2;

QLabel* makePanel(QStatusBar* bar, const QString& objectName, int widthTwips)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(objectName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(3);
    panel->setFixedWidth(px(widthTwips));
    bar->addWidget(panel);
    return panel;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : MainWindow(FrameSources{}, parent) {}

MainWindow::MainWindow(FrameSources sources, QWidget* parent)
    : QMainWindow(parent), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("MDIForm1"));
    setWindowIcon(programWindowIcon());

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // A tool window larger than the area (a large scale factor, a small screen, the lesson panel
    // open) is scrolled to, never left with controls out of reach.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    setAcceptDrops(true);

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnufile"));
    const auto addEntry = [this](const QString& objectName, const QString& caption,
                                 void (MainWindow::*onClick)()) {
        QAction* entry = m_fileMenu->addAction(caption);
        entry->setObjectName(objectName);
        connect(entry, &QAction::triggered, this, onClick);
        return entry;
    };
    m_dijkstraAction = addEntry(QStringLiteral("mnudijktra"), QStringLiteral("Metode &Dijktra"),
                                &MainWindow::showDijkstra);
    m_floydAction = addEntry(QStringLiteral("mnufloyd"), QStringLiteral("Metode &Floyd"),
                             &MainWindow::showFloyd);
    m_compareAction = addEntry(QStringLiteral("mnucompare"), QStringLiteral("&Compare"),
                               &MainWindow::showCompare);
    m_quitAction =
        addEntry(QStringLiteral("mnukeluar"), QStringLiteral("&Keluar"), &MainWindow::endProgram);
    m_ownNetworks = new OwnNetworks(m_mdiArea, menuBar(), this);
    connect(m_ownNetworks, &OwnNetworks::windowAdded, this, [this](OwnNetworkWindow* window) {
        watchLessons(window);
        // The method taught changed: the window has another exercise, which the panel follows
        // where the window is the active one.
        connect(window, &OwnNetworkWindow::exerciseReplaced, this, [this, window] {
            if (Exercise* exercise = window->exercise())
                connect(exercise, &Exercise::entered, this,
                        [this, w = QPointer<QMdiSubWindow>(window)] {
                            if (w)
                                showLessonsOf(w);
                        });
            if (m_mdiArea->activeSubWindow() == window)
                followWindow(window);
        });
    });

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    QFont bold = m_statusBar->font();
    bold.setPixelSize(kPx825);
    bold.setBold(true);
    m_statusBar->setFont(bold);
    setStatusBar(m_statusBar);
    m_statusPanel = makePanel(m_statusBar, QStringLiteral("Panel1"), kPanelWidths[0]);
    m_datePanel = makePanel(m_statusBar, QStringLiteral("Panel2"), kPanelWidths[1]);
    m_timePanel = makePanel(m_statusBar, QStringLiteral("Panel3"), kPanelWidths[2]);
    m_numLockPanel = makePanel(m_statusBar, QStringLiteral("Panel4"), kPanelWidths[3]);
    // The panels keep their widths, but they must not make the frame wider than a small screen
    // (at a large scale factor they are wider than it): the bar may be narrower than they are.
    m_statusBar->setMinimumWidth(1);
    m_statusPanel->setText(QStringLiteral("Status"));
    m_datePanel->setToolTip(QStringLiteral("Tanggal Sekarang"));
    m_timePanel->setToolTip(QStringLiteral("Jam Sekarang"));

    // m_clockTimer is re-armed at every tick for the next second boundary: the clock panel changes
    // once a second, so waking more often would cost processor time and show nothing new.
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::tick);

    resize(px(kClientWidth),
           px(kClientHeight) + menuBar()->sizeHint().height() + m_statusBar->sizeHint().height());

    // The date is written once, at load; it is not rewritten, not even across midnight.
    m_datePanel->setText(regionalDateText(m_sources.now().date()) + QStringLiteral(" Indonesia"));

    setAccessibleTexts(this, kAccessibleTexts);
    installHelpAction(this);

    // The keyboard reaches every control too: the area scrolls to the one the focus moves to.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { scrollToFocus(focused); });

    buildLessonDock();
    // The first frame does not wait for the Dijkstra window's detail panel, closed on opening.
    showToolWindow(m_dijkstraWindow, DijkstraWindow::PanelBuild::afterFirstPaint);
    // F11: the active drawing and the lesson panel full screen, for a projector.
    m_projector = installProjectorView(this, m_mdiArea, m_lessonDock);
    tick();
}

void MainWindow::buildLessonDock()
{
    m_lessonDock = new LessonDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_lessonDock);
    m_lessonDock->hide();
    if (auto settings = m_sources.settings ? m_sources.settings() : nullptr) {
        m_lessonPlaced =
            restoreState(settings->value(QStringLiteral("pelajaran/letak")).toByteArray());
        // Outside step mode the frame looks as always, whatever was open when it closed.
        m_lessonDock->hide();
    }
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::followActiveWindow);
    connect(m_lessonDock, &LessonDock::opened, this, &MainWindow::openLessonDock);
    // The keys answer in the frame and in the panel docked in it; a floating panel is a window
    // of its own and answers them itself (only then: in the frame both would answer, and Qt
    // would take neither).
    for (const KeyRow& k : kPartKeys) {
        auto* inFrame = new QShortcut(QKeySequence(k.key), this);
        inFrame->setObjectName(QStringLiteral("partKey"));
        connect(inFrame, &QShortcut::activated, this, &MainWindow::switchPart);
        auto* inPanel = new QShortcut(QKeySequence(k.key), m_lessonDock);
        inPanel->setObjectName(QStringLiteral("partKeyFloating"));
        inPanel->setEnabled(false);
        connect(inPanel, &QShortcut::activated, this, &MainWindow::switchPart);
        connect(m_lessonDock, &QDockWidget::topLevelChanged, inPanel, &QShortcut::setEnabled);
    }
    connect(m_lessonDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible)
            saveLessonPlace();
    });
}

void MainWindow::switchPart()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && m_lessonDock->isAncestorOf(focus)) {
        // Back where the student was in the active window (the drawing in step mode).
        QMdiSubWindow* active = m_mdiArea->activeSubWindow();
        if (!active)
            return;
        if (m_lessonDock->isFloating())
            active->window()->activateWindow();
        QWidget* target = active->focusWidget();
        if (!target || !target->isVisible() || !target->isEnabled() || target == active)
            target = active->widget();
        target->setFocus(Qt::OtherFocusReason);
        if (!active->isAncestorOf(QApplication::focusWidget()))
            active->widget()->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        return;
    }
    if (!m_lessonDock->isVisible())
        return;
    if (m_lessonDock->isFloating())
        m_lessonDock->activateWindow();
    m_lessonDock->focusPage();
}

void MainWindow::followActiveWindow()
{
    // Only a change to another tool window changes what the panel follows: the frame losing the
    // focus to the panel itself, or to a dialog, leaves no window active for a moment.
    if (QMdiSubWindow* active = m_mdiArea->activeSubWindow()) {
        // A lesson window another part put into the area is followed as the frame's own are.
        watchLessons(active);
        followWindow(active);
    }
}

void MainWindow::followWindow(QMdiSubWindow* window)
{
    const Lessons lessons = lessonsOf(window);
    followExercise(lessons.exercise);
    if (lessons.mode != m_lessonDock->followed())
        m_lessonDock->follow(lessons.mode);
}

void MainWindow::watchLessons(QMdiSubWindow* window)
{
    // A step mode or an exercise begun in a window the panel does not follow (from the context
    // menu of a window behind the active one, say) would run there unexplained, and show in the
    // panel only when that window happens to become active: the window comes forward and the
    // panel shows it at once.
    // Once per window, whoever put it into the area.
    if (!window || window->property(kLessonsWatched).toBool())
        return;
    window->setProperty(kLessonsWatched, true);
    const Lessons lessons = lessonsOf(window);
    const auto bringForward = [this, w = QPointer<QMdiSubWindow>(window)] {
        if (w)
            showLessonsOf(w);
    };
    if (lessons.mode)
        connect(lessons.mode, &StepMode::entered, this, bringForward);
    if (lessons.exercise)
        connect(lessons.exercise, &Exercise::entered, this, bringForward);
}

void MainWindow::showLessonsOf(QMdiSubWindow* window)
{
    const Lessons lessons = lessonsOf(window);
    if (lessons.mode == m_lessonDock->followed() && lessons.exercise == m_exercise)
        return; // the panel follows it already and shows it itself
    if (m_mdiArea->activeSubWindow() != window)
        m_mdiArea->setActiveSubWindow(window);
    // Activation may wait while a dialog holds the focus; the panel must not.
    followWindow(window);
    if (lessons.exercise && lessons.exercise->isActive())
        openExercisePanel();
    else if (lessons.mode && lessons.mode->isActive())
        openLessonDock();
}

void MainWindow::followExercise(Exercise* exercise)
{
    if (exercise == m_exercise)
        return;
    m_exerciseConnections.clear();
    // An exercise runs only where the panel shows it: the one the panel leaves ends, and gives
    // its window back as it was.
    if (m_exercise)
        m_exercise->leave();
    m_exercise = exercise;
    // The panel is built when the first exercise starts: most lessons never need it.
    if (m_exercisePanel)
        m_exercisePanel->follow(exercise);
    const bool active = exercise && exercise->isActive();
    m_lessonDock->showPage(active ? m_exercisePanel.data() : nullptr);
    if (exercise)
        m_exerciseConnections.follow({
            connect(exercise, &Exercise::entered, this, &MainWindow::openExercisePanel),
            // The window and with it its exercise may go while the panel shows it.
            connect(exercise, &Exercise::left, m_lessonDock,
                    [dock = m_lessonDock] { dock->showPage(nullptr); }),
            connect(exercise, &QObject::destroyed, m_lessonDock,
                    [dock = m_lessonDock] { dock->showPage(nullptr); }),
        });
}

void MainWindow::openExercisePanel()
{
    if (!m_exercisePanel) {
        m_exercisePanel = new ExercisePanel(m_lessonDock);
        connect(m_lessonDock, &LessonDock::closed, m_exercisePanel, [this] {
            if (m_exercise)
                m_exercise->leave();
        });
    }
    m_exercisePanel->follow(m_exercise);
    m_lessonDock->showPage(m_exercisePanel);
    openLessonDock();
    m_exercisePanel->focusAnswer();
}

void MainWindow::openLessonDock()
{
    const bool opening = !m_lessonDock->isVisible();
    const bool docked = !m_lessonDock->isFloating();
    const int firstWidth = std::max(kLessonWidth, m_lessonDock->preferredWidth());
    if (opening && docked && !m_lessonPlaced && !isMaximized() && !isFullScreen() && screen()) {
        // The first time beside the tool windows: the frame grows by the panel, as far as the
        // screen allows, so the windows keep their room.
        const int room = screen()->availableGeometry().right() - frameGeometry().right();
        resize(width() + std::clamp(room, 0, firstWidth), height());
    }
    m_lessonDock->show();
    m_lessonDock->raise();
    if (opening && docked)
        placeLessonDock(m_lessonPlaced ? 0 : firstWidth);
}

void MainWindow::placeLessonDock(int chosenWidth)
{
    // The panel keeps the width it had, the user's if they dragged it; only the first time is it
    // the frame's choice.
    m_lessonPlaced = true;
    if (QLayout* frameLayout = layout())
        frameLayout->activate();
    int width = chosenWidth > 0 ? chosenWidth : m_lessonDock->width();
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (active && !active->isMaximized() && !active->isMinimized()) {
        // The active window stays whole beside the panel where the area has the room for both;
        // where it has not (a large scale factor), the panel keeps a usable width and the area
        // scrolls.
        const int areaFrame = m_mdiArea->width() - m_mdiArea->viewport()->width();
        const int beside = m_mdiArea->width() + m_lessonDock->width() - areaFrame - active->width();
        width = std::max(std::min(width, beside), std::min(width, kLessonMinWidth));
    }
    // Never more than half the frame, whatever was saved on a larger screen.
    width = std::min(width, std::max(kLessonMinWidth, this->width() / 2));
    if (width != m_lessonDock->width()) {
        resizeDocks({m_lessonDock}, {width}, Qt::Horizontal);
        if (QLayout* frameLayout = layout())
            frameLayout->activate();
    }
    // The area is narrower now: the active window moves into what is left of it.
    if (active)
        keepInArea(active);
}

void MainWindow::keepInArea(QMdiSubWindow* window)
{
    if (window->isMaximized() || window->isMinimized() || m_lessonDock->isFloating())
        return;
    // Moved up and left just enough to be whole, never past the area's corner, so that the title
    // bar stays within reach; a window larger than the area starts at its corner and the area
    // scrolls to the rest.
    const QSize view = m_mdiArea->viewport()->size();
    const QRect placed = window->geometry();
    const QPoint corner(std::max(0, std::min(placed.x(), view.width() - placed.width())),
                        std::max(0, std::min(placed.y(), view.height() - placed.height())));
    if (corner != placed.topLeft())
        window->move(corner);
}

void MainWindow::scrollToFocus(QWidget* focused)
{
    QWidget* view = m_mdiArea->viewport();
    if (!focused || !view->isAncestorOf(focused))
        return;
    const QRect shown(focused->mapTo(view, QPoint(0, 0)), focused->size());
    // Scrolled just enough to show the whole control, never past its start.
    const auto scroll = [](QScrollBar* bar, int start, int end, int extent) {
        if (start < 0)
            bar->setValue(bar->value() + start);
        else if (end > extent)
            bar->setValue(bar->value() + std::min(end - extent, start));
    };
    scroll(m_mdiArea->horizontalScrollBar(), shown.left(), shown.right() + 1, view->width());
    scroll(m_mdiArea->verticalScrollBar(), shown.top(), shown.bottom() + 1, view->height());
}

void MainWindow::saveLessonPlace()
{
    if (auto settings = m_sources.settings ? m_sources.settings() : nullptr)
        settings->setValue(QStringLiteral("pelajaran/letak"), saveState());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A network drawn and not saved is asked about first; "Batal" keeps the program open.
    if (!m_ownNetworks->closeAll()) {
        event->ignore();
        return;
    }
    if (m_lessonDock->isVisible())
        saveLessonPlace();
    QMainWindow::closeEvent(event);
}

MainWindow::~MainWindow()
{
    // The panel hides as the frame goes; its place was saved on closing, and saving now would
    // read a frame half taken down. The MDI area, taken down after this destructor, activates
    // its windows one last time; that must not reach a frame that is no longer a MainWindow.
    // The projector view gives back what it borrowed while the frame is still whole; later it
    // would hear the frame close from a destructor that has no main window left to give to.
    delete m_projector;
    disconnect(m_lessonDock, nullptr, this, nullptr);
    disconnect(m_mdiArea, nullptr, this, nullptr);
    // Closing the frame's native window below moves the focus once more.
    disconnect(qApp, nullptr, this, nullptr);
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        const Lessons lessons = lessonsOf(window);
        if (lessons.mode)
            disconnect(lessons.mode, nullptr, this, nullptr);
        if (lessons.exercise)
            disconnect(lessons.exercise, nullptr, this, nullptr);
    }
}

void MainWindow::openNetworkFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        m_ownNetworks->openFile(path);
}

namespace {

// The local files among @p urls whose names say they are networks the program reads.
QStringList networkFiles(const QList<QUrl>& urls)
{
    QStringList files;
    for (const QUrl& url : urls)
        if (url.isLocalFile() && formatForFileName(url.toLocalFile().toStdString()))
            files << url.toLocalFile();
    return files;
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !networkFiles(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = networkFiles(event->mimeData()->urls());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openNetworkFiles(files);
}

int MainWindow::msecsToNextTick(QTime now)
{
    return 1000 - now.msec() + kTickSlackMs;
}

bool MainWindow::event(QEvent* event)
{
    // Status tips would replace the panels with a temporary message; the panels always show.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::showDijkstra()
{
    showToolWindow(m_dijkstraWindow);
    // Chosen from the menu, the window is in use, even before the frame has painted it.
    m_dijkstraWindow->buildDetailPanel();
}

void MainWindow::showFloyd()
{
    showToolWindow(m_floydWindow);
}

void MainWindow::showCompare()
{
    showToolWindow(m_compareWindow);
}

template <class Window, class... Options>
void MainWindow::showToolWindow(QPointer<Window>& slot, Options... options)
{
    // A hidden instance has been closed and is on its way out; the menu loads a fresh one, also
    // when the old one has not been deleted yet.
    if (slot && slot->isHidden()) {
        slot->deleteLater();
        slot.clear();
    }
    if (!slot) {
        // Each window unloads itself on closing, so a fresh one starts from its defaults.
        slot = new Window(nullptr, options...);
        m_mdiArea->addSubWindow(slot);
        watchLessons(slot);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    m_mdiArea->setActiveSubWindow(slot);
    // The panel takes part of the area; no window opens behind its edge.
    if (m_lessonDock->isVisible())
        keepInArea(slot);
}

void MainWindow::endProgram()
{
    // The whole program ends at once; the tool windows go with the frame, unless the user keeps
    // a network with unsaved changes open.
    if (close())
        QCoreApplication::quit();
}

void MainWindow::tick()
{
    const QDateTime now = m_sources.now();
    m_timePanel->setText(regionalTimeText(now.time()) + u' ' + regionalZoneText(now));
    const std::optional<bool> numLock = m_sources.numLock ? m_sources.numLock() : std::nullopt;
    m_numLockPanel->setText(numLock.value_or(false) ? QStringLiteral("NUM") : QString());
    m_clockTimer->start(msecsToNextTick(now.time()));
}

} // namespace trayeko::ui
