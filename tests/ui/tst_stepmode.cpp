#include "core/demonetwork.h"
#include "core/numbertext.h"
#include "core/steps.h"
#include "ui/dijkstra/dijkstrasteps.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/exercise/exercise.h"
#include "ui/floyd/changedelegate.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/paneltext.h"
#include "ui/stepping/stepmode.h"
#include "unreadlabels.h"
#include "windowhost.h"

#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>
#include <algorithm>

using namespace trayeko::ui;
using Edits = QList<QPair<QString, QString>>; // box name, text typed into it

namespace {

// A tool window shown active in a document area, so that its keys work.
template <typename Window> struct Host : WindowHost<Window>
{
    using WindowHost<Window>::w;
    // The lesson panel follows the window, as the frame makes it follow the active one.
    Host() : WindowHost<Window>({1200, 800}) { dock.follow(steps()); }
    StepMode* steps() { return w->network()->template findChild<StepMode*>(); }
    template <typename T = QWidget> T* inDock(const QString& name)
    {
        return dock.findChild<T*>(name);
    }
    QString explanation() { return inDock<QLabel>("stepExplanation")->text(); }
    LessonDock dock;
    void type(const Edits& edits)
    {
        for (const auto& [box, value] : edits)
            this->template get<QLineEdit>(box)->setText(value);
    }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    QStringList state() { return everythingShown(w.data()); }
};

// Plays @p play on a host of the Floyd window or of the Dijkstra window.
template <class Play> void inEitherWindow(bool floyd, Play play)
{
    if (floyd) {
        Host<FloydWindow> h;
        play(h);
    } else {
        Host<DijkstraWindow> h;
        play(h);
    }
}

// A frame whose panel places nothing between runs, with the Floyd window made too, and its
// Dijkstra window active.
struct Frame
{
    Frame()
    {
        sources.numLock = {};
        sources.settings = [this] {
            return std::make_unique<QSettings>(dir.filePath("t.ini"), QSettings::IniFormat);
        };
        frame = std::make_unique<MainWindow>(sources);
        frame->show();
        frame->findChild<QAction*>("mnufloyd")->trigger();
        frame->findChild<QAction*>("mnudijktra")->trigger();
    }
    LessonDock* dock() { return frame->lessonDock(); }
    QMdiSubWindow* active() { return frame->mdiArea()->activeSubWindow(); }
    void key(QKeyCombination k)
    {
        QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    }
    QTemporaryDir dir;
    FrameSources sources;
    std::unique_ptr<MainWindow> frame;
};

// The objectNames of the controls Tab (or Shift+Tab) reaches from the focus until it comes back,
// at most @p limit; "outside: name" for one outside @p panel.
QStringList tabRound(QWidget* panel, bool forward, int limit = 30)
{
    QStringList stops;
    QWidget* start = QApplication::focusWidget();
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
        QWidget* now = QApplication::focusWidget();
        if (!now || !panel->isAncestorOf(now)) {
            stops << "outside: " + (now ? now->objectName() : QString());
            break;
        }
        stops << now->objectName();
        if (now == start)
            break;
    }
    return stops;
}

} // namespace

// Runs, enters step mode with F10, presses @p keys, checks that step @p step is shown and that Esc
// puts the window back as it was.
template <typename Window> void checkKeys(const QList<Qt::Key>& keys, int step)
{
    Host<Window> h;
    QVERIFY(QTest::qWaitForWindowActive(&h.area));
    h.template get<QPushButton>("Command1")->click();
    h.template get<QPushButton>("Command1")->setFocus();
    const QStringList before = h.state();

    h.key(Qt::Key_F10);
    QVERIFY(h.steps()->isActive());
    auto* explanation = h.template inDock<QLabel>("stepExplanation");
    QCOMPARE(explanation->accessibleDescription(), "Penjelasan langkah");
    QVERIFY(explanation->isVisible());
    for (Qt::Key k : keys)
        h.key(k);
    QVERIFY2(explanation->text().startsWith(QStringLiteral("Langkah %1 dari 7:").arg(step)),
             qPrintable(explanation->text()));
    QVERIFY(h.w->network()->accessibleDescription().startsWith(explanation->text()));
    if (auto* list = h.template get<QListWidget>("List1")) // the listing shows the step's block
        QVERIFY(list->viewport()->rect().contains(
            list->visualItemRect(list->item(trayeko::valueHeaderLine(step)))));

    h.key(Qt::Key_Escape);
    QVERIFY(!h.steps()->isActive());
    QVERIFY(!explanation->isVisible());
    QCOMPARE(h.state(), before);
}

// Plays @p mode ("steps" or "exercise") on a window after a run: the drawing shows marks while it
// lasts, and leaving gives back the drawing of the run to the pixel.
template <typename Window> void playModeOverMarks(const QString& mode)
{
    Host<Window> h;
    h.template get<QPushButton>("Command1")->click();
    NetworkView* view = h.w->network();
    const QImage result = view->grab().toImage();
    const auto marked = [view] {
        const QImage now = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (const QColor& c : {StepMarks::treeColour(), StepMarks::fixedColour(),
                                StepMarks::pivotColour(), QColor(255, 255, 200)})
            for (int y = 0; y < now.height(); ++y)
                for (int x = 0; x < now.width(); ++x)
                    count += QColor(now.pixel(x, y)) == c;
        return count;
    };
    QCOMPARE(marked(), 0);
    Exercise* exercise = h.w->exercise();
    if (mode == "steps") {
        h.steps()->enter();
        h.steps()->showStep(2);
    } else if (auto* floyd = qobject_cast<FloydExercise*>(exercise)) {
        floyd->enter();
        floyd->check({});
    } else {
        exercise->enter();
        const trayeko::DijkstraStep first = trayeko::dijkstraSteps(trayeko::defaultWeights())[0];
        static_cast<DijkstraExercise*>(exercise)->answer(
            QString::number(first.fixedNode),
            QString::fromStdString(trayeko::formatGeneral(first.fixedDistance)));
    }
    QVERIFY(!(view->model().marks() == StepMarks{}));
    QVERIFY2(marked() > 50, qPrintable(QString::number(marked())));
    mode == "steps" ? h.steps()->leave() : exercise->leave();
    QCOMPARE(view->grab().toImage(), result);
}

template <typename Window> void badgesKeepOff()
{
    Host<Window> h;
    NetworkView* view = h.w->network();
    const int shift = view->variant().networkShift;
    int badges = 0; // the checks below must have something to check
    h.steps()->enter();
    for (int s = 0; s < h.steps()->stepCount(); ++s) {
        h.steps()->showStep(s);
        for (int n = 1; n <= trayeko::kNodeCount; ++n) {
            const QString text = view->model().marks().nodeTexts[size_t(n - 1)];
            const QRectF badge = view->markTextRect(n, text);
            const auto where = QStringLiteral("step %1 node %2 %3").arg(s + 1).arg(n).arg(text);
            badges += !text.isEmpty();
            for (int k = 1; k <= trayeko::kLinkCount && !text.isEmpty(); ++k) {
                QVERIFY2(!badge.intersects(view->weightBox(k)->geometry()), qPrintable(where));
                const LinkLayout& link = linkLayout(k);
                std::vector<NamedLine> strokes(link.lines().begin(), link.lines().end());
                strokes.insert(strokes.end(), link.barbs.begin(), link.barbs.end());
                for (const NamedLine& line : strokes) {
                    const QLineF stroke(pointPx(line.from, shift), pointPx(line.to, shift));
                    for (qreal t = 0; t <= 1; t += 0.25 / stroke.length())
                        QVERIFY2(!badge.contains(stroke.pointAt(t)),
                                 qPrintable(where + " on " + QString::fromUtf8(line.name)));
                }
            }
        }
    }
    QVERIFY2(badges >= h.steps()->stepCount(), qPrintable(QString::number(badges)));
}

namespace {

using trayeko::testing::unreadLabels;

} // namespace

class Tst_stepmode final : public QObject
{
    Q_OBJECT

private slots:
    void keysStepAndEscRestoresTheWindow_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("step");
        QTest::newRow("Dijkstra Right Space") << false << QList{Qt::Key_Right, Qt::Key_Space} << 3;
        QTest::newRow("Dijkstra End Left") << false << QList{Qt::Key_End, Qt::Key_Left} << 6;
        QTest::newRow("Dijkstra past the end") << false << QList{Qt::Key_End, Qt::Key_Right} << 7;
        QTest::newRow("Floyd Home") << true << QList{Qt::Key_Right, Qt::Key_Home} << 1;
        QTest::newRow("Floyd before the start") << true << QList{Qt::Key_Left} << 1;
        QTest::newRow("Floyd End") << true << QList{Qt::Key_End} << 7;
    }
    void keysStepAndEscRestoresTheWindow()
    {
        QFETCH(bool, floyd);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, step);
        if (floyd)
            checkKeys<FloydWindow>(keys, step);
        else
            checkKeys<DijkstraWindow>(keys, step);
    }

    // A screen reader reads every value the lesson panel shows (the hint, the step's explanation,
    // its variables, the table's title and legend), not only what kind of value it is.
    void lessonPanelValuesAreRead_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<int>("step"); // -1: not stepping, the hint shows
        QTest::newRow("Dijkstra, hint") << false << -1;
        QTest::newRow("Dijkstra, first step") << false << 0;
        QTest::newRow("Dijkstra, a middle step") << false << 3;
        QTest::newRow("Dijkstra, last step") << false << 6;
        QTest::newRow("Floyd, first step") << true << 0;
        QTest::newRow("Floyd, last step") << true << 6;
    }
    void lessonPanelValuesAreRead()
    {
        QFETCH(bool, floyd);
        QFETCH(int, step);
        const auto check = [&](auto& h) {
            h.dock.show();
            h.template get<QPushButton>("Command1")->click();
            if (step >= 0) {
                h.steps()->enter();
                h.steps()->showStep(step);
                QVERIFY(h.explanation().startsWith(QStringLiteral("Langkah %1 ").arg(step + 1)));
                QVERIFY(!h.template inDock<QLabel>("lessonVariables")->text().isEmpty());
            }
            QCOMPARE(unreadLabels(&h.dock).join('\n'), QString());
        };
        inEitherWindow(floyd, check);
    }

    void buttonsStepAndEditingLeaves()
    {
        Host<DijkstraWindow> h;
        QVERIFY(QTest::qWaitForWindowActive(&h.area));
        const QStringList before = h.state();
        h.steps()->action()->trigger();
        h.inDock<QAbstractButton>("stepForward")->click();
        h.inDock<QAbstractButton>("stepForward")->click();
        h.inDock<QAbstractButton>("stepBack")->click();
        QVERIFY(h.explanation().startsWith("Langkah 2 dari 7: simpul 3 ditetapkan dengan jarak 6"));
        h.dock.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.dock));
        h.inDock<QAbstractButton>("stepBack")->setFocus(); // reached with Tab: Space presses it
        h.key(Qt::Key_Space);
        QTRY_VERIFY(h.explanation().startsWith("Langkah 1 dari 7"));
        QTest::keyClick(h.get<QLineEdit>("j1"), Qt::Key_5);
        QVERIFY(!h.steps()->isActive());
        QCOMPARE(h.get<QLineEdit>("j1")->text(), "75");
        h.get<QLineEdit>("j1")->setText("7");
        // All but the focus, which went to the panel's button on purpose.
        const auto unfocused = [](QStringList s) {
            s.removeIf([](const QString& e) { return e.startsWith("focus "); });
            return s;
        };
        QCOMPARE(unfocused(h.state()), unfocused(before));
    }

    // In the frame: F10 opens the panel, which follows the active window; every explanation of
    // the default lesson is shown whole, names links by their ends, and playing stops at the end.
    // Run at scale 1 and 2 (QT_SCALE_FACTOR, see the CMake list).
    void lessonPanelFollowsFitsAndPlays()
    {
        QTemporaryDir dir;
        FrameSources sources;
        sources.numLock = {};
        sources.settings = [&] {
            return std::make_unique<QSettings>(dir.filePath("t.ini"), QSettings::IniFormat);
        };
        auto frame = std::make_unique<MainWindow>(sources);
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
        LessonDock* dock = frame->lessonDock();
        QVERIFY(!dock->isVisible());
        QCOMPARE(dock->accessibleName(), "Pelajaran");
        const QRegularExpression linkNumber("jalur \\d+(?![\\d→])");
        for (const char* menu : {"mnufloyd", "mnudijktra"}) {
            frame->findChild<QAction*>(menu)->trigger();
            QMdiSubWindow* window = frame->mdiArea()->activeSubWindow();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
            StepMode* mode = dock->followed();
            QVERIFY(dock->isVisible() && mode && mode->isActive());
            auto* label = dock->findChild<QLabel*>("stepExplanation");
            QVERIFY(window->isAncestorOf(mode->focusHolder()));
            QCOMPARE(frame->dockWidgetArea(dock), Qt::RightDockWidgetArea);
            for (int s = 0; s < mode->stepCount(); ++s) {
                mode->showStep(s);
                QApplication::processEvents(); // the layout settles on the new text
                const QString text = label->text();
                QVERIFY(text.startsWith(QStringLiteral("Langkah %1 dari %2:").arg(s + 1).arg(7)));
                QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                         qPrintable(text));
                QVERIFY2(!linkNumber.match(text).hasMatch(), qPrintable(text));
            }
            QVERIFY(!qobject_cast<QScrollArea*>(label->parentWidget()->parentWidget()));
            // No line or column cut off: what a narrow panel (a small screen) cannot show
            // whole, it scrolls to.
            auto* code = dock->findChild<QListWidget*>("lessonCode");
            for (int n = 0; n < code->count(); ++n) {
                const QFontMetrics metrics(code->item(n)->font());
                QVERIFY2(metrics.horizontalAdvance(code->item(n)->text()) <=
                             code->viewport()->width() + code->horizontalScrollBar()->maximum(),
                         qPrintable(code->item(n)->text()));
            }
            auto* grid = dock->findChild<QTableWidget*>("lessonGrid");
            QVERIFY(grid->horizontalHeader()->length() <=
                    grid->viewport()->width() + grid->horizontalScrollBar()->maximum());
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < grid->columnCount(); ++c)
                    QVERIFY2(grid->fontMetrics().horizontalAdvance(grid->item(r, c)->text()) <
                                 grid->columnWidth(c),
                             qPrintable(grid->item(r, c)->text()));
            mode->first();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P);
            QVERIFY(mode->isPlaying());
            QCOMPARE(dock->findChild<QToolButton*>("stepPlay")->text(), "Jeda");
            for (int n = 0; n < 20 && mode->isPlaying(); ++n)
                mode->playTick(); // the timer's timeout, without waiting for it
            QCOMPARE(mode->currentStep(), mode->stepCount() - 1);
            QVERIFY(!mode->isPlaying());
            QCOMPARE(dock->findChild<QToolButton*>("stepPlay")->text(), "Putar");
        }
        frame->close();
        QVERIFY(!QSettings(dir.filePath("t.ini"), QSettings::IniFormat)
                     .value("pelajaran/letak")
                     .toByteArray()
                     .isEmpty());
    }

    // A screen reader is told each step's explanation as it is shown, wherever the focus is, and
    // nothing when a key shows no other step.
    void stepsAreAnnounced_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QList<int>>("announced"); // the steps told, from 1, after entering
        for (const bool floyd : {false, true}) {
            const char* window = floyd ? "Floyd" : "Dijkstra";
            QTest::addRow("%s: F10, then on twice and back", window)
                << floyd << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Space, Qt::Key_Left}
                << QList<int>{1, 2, 3, 2};
            QTest::addRow("%s: End and Home", window)
                << floyd << QList<Qt::Key>{Qt::Key_End, Qt::Key_Home} << QList<int>{1, 7, 1};
            QTest::addRow("%s: back on the first, on past the last", window)
                << floyd << QList<Qt::Key>{Qt::Key_Left, Qt::Key_End, Qt::Key_Right}
                << QList<int>{1, 7};
        }
    }
    void stepsAreAnnounced()
    {
        QFETCH(bool, floyd);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QList<int>, announced);
        const auto check = [&](auto& h) {
            QVERIFY(QTest::qWaitForWindowActive(&h.area));
            h.dock.show();
            QStringList told;
            connect(h.dock.template findChild<Announcer*>(), &Announcer::spoken, &h.dock,
                    [&](const QString& text) { told << text; });
            h.template get<QPushButton>("Command1")->setFocus();
            h.key(Qt::Key_F10);
            for (Qt::Key k : keys)
                h.key(k);
            QStringList expected;
            for (int step : announced)
                expected << h.steps()->lesson().frames[size_t(step - 1)].explanation;
            QCOMPARE(told, expected);
            QCOMPARE(told.last(), h.explanation());
            // Qt reports a view's new current item as a focus: the lesson's views take none on
            // their own, so that a screen reader stays where the student is.
            QCOMPARE(h.template inDock<QListWidget>("lessonCode")->currentRow(), -1);
            auto* grid = h.template inDock<QTableWidget>("lessonGrid");
            const int row = h.steps()->currentFrame()->grid.currentRow;
            QCOMPARE(grid->currentRow(), row); // where Tab into the grid lands
            if (row >= 0)
                QVERIFY(grid->selectionModel()->isRowSelected(row));
            QCOMPARE(QApplication::focusWidget(), h.steps()->focusHolder());
        };
        inEitherWindow(floyd, check);
    }

    // Tab and Shift+Tab go round the lesson panel's controls and never leave it; each says what
    // it is.
    void tabGoesRoundTheLessonPanel_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QStringList>("stops");
        const QStringList playback{"stepBack", "stepPlay", "stepForward", "stepLast", "stepSpeed",
                                   "stepClose"};
        QTest::addRow("Dijkstra, Tab")
            << false << true
            << (playback + QStringList{"lessonGrid", "lessonCopy", "lessonCsv", "stepFirst"});
        QStringList back{"lessonCsv", "lessonCopy", "lessonGrid"};
        for (auto it = playback.rbegin(); it != playback.rend(); ++it)
            back << *it;
        QTest::addRow("Dijkstra, Shift+Tab") << false << false << (back << "stepFirst");
        QTest::addRow("Floyd, Tab") << true << true
                                    << (playback + QStringList{"lessonGrid", "stepFirst"});
    }
    void tabGoesRoundTheLessonPanel()
    {
        QFETCH(bool, floyd);
        QFETCH(bool, forward);
        QFETCH(QStringList, stops);
        const auto check = [&](auto& h) {
            QMainWindow frame; // with a box of its own, where Tab must not go
            frame.setCentralWidget(new QLineEdit);
            frame.addDockWidget(Qt::RightDockWidgetArea, &h.dock);
            frame.show();
            h.dock.show();
            h.steps()->enter();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            h.template inDock<QWidget>("stepFirst")->setFocus();
            const QStringList round = tabRound(&h.dock, forward);
            frame.removeDockWidget(&h.dock);
            h.dock.setParent(nullptr); // the host's own, not the frame's to delete
            QCOMPARE(round, stops);
            for (const QString& name : round) {
                QWidget* stop = h.template inDock<QWidget>(name);
                QVERIFY2(!QAccessible::queryAccessibleInterface(stop)
                              ->text(QAccessible::Name)
                              .trimmed()
                              .isEmpty(),
                         qPrintable(name));
            }
        };
        inEitherWindow(floyd, check);
    }

    // F6 takes the focus from the active window to the lesson panel and back, Shift+F6 too; the
    // panel keeps where the student was in it. Without the panel, F6 leaves the focus be.
    void f6GoesBetweenWindowAndPanel_data()
    {
        QTest::addColumn<QString>("lesson"); // "steps", "exercise", or "" for none
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("inPanel"); // where F6 lands in the panel
        QTest::addRow("step mode, F6") << "steps" << QKeyCombination(Qt::Key_F6) << "stepFirst";
        QTest::addRow("step mode, Shift+F6")
            << "steps" << (Qt::SHIFT | Qt::Key_F6) << "stepFirst";
        QTest::addRow("exercise, F6") << "exercise" << QKeyCombination(Qt::Key_F6)
                                      << "exerciseNode";
        QTest::addRow("no panel, F6") << "" << QKeyCombination(Qt::Key_F6) << "";
    }
    void f6GoesBetweenWindowAndPanel()
    {
        QFETCH(QString, lesson);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, inPanel);
        Frame f;
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        QWidget* window = f.active()->widget();
        window->findChild<QWidget*>("Command1")->setFocus();
        QWidget* inWindow = nullptr;
        if (lesson == "steps") {
            f.key(Qt::Key_F10);
            inWindow = QApplication::focusWidget(); // the drawing's marks
        } else if (lesson == "exercise") {
            f.key(Qt::Key_F9);
            // The exercise starts in its answer field; the student goes to the window first.
            QCOMPARE(QApplication::focusWidget()->objectName(), "exerciseNode");
            inWindow = window->findChild<QWidget*>("j3");
            inWindow->setFocus();
        } else {
            inWindow = QApplication::focusWidget();
        }
        QVERIFY(window->isAncestorOf(inWindow));
        QCOMPARE(QApplication::focusWidget(), inWindow);
        f.key(key);
        if (inPanel.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), inWindow);
            return;
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), inPanel);
        f.key(Qt::Key_Tab); // somewhere else in the panel, kept for the next F6
        QWidget* moved = QApplication::focusWidget();
        QVERIFY(f.dock()->isAncestorOf(moved));
        f.key(key);
        QCOMPARE(QApplication::focusWidget(), inWindow);
        f.key(key);
        QCOMPARE(QApplication::focusWidget(), moved);
    }

    // F6 and Shift+F6 mean nothing else anywhere in the frame, its windows and the panel.
    void f6IsTakenByNothingElse()
    {
        Frame f;
        f.frame->findChild<QAction*>("mnucompare")->trigger();
        f.frame->findChild<QAction*>("stepAction")->trigger(); // the panel made, with its keys
        QStringList takers;
        const QList<QKeySequence> keys{QKeySequence(Qt::Key_F6),
                                       QKeySequence(Qt::SHIFT | Qt::Key_F6)};
        for (auto* s : f.frame->findChildren<QShortcut*>())
            if (keys.contains(s->key()))
                takers << s->objectName();
        for (auto* a : f.frame->findChildren<QAction*>())
            for (const QKeySequence& k : a->shortcuts())
                if (keys.contains(k))
                    takers << a->objectName();
        takers.sort();
        QCOMPARE(takers, QStringList({"partKey", "partKey", "partKeyFloating",
                                      "partKeyFloating"}));
    }

    // A distance beside a node never lies on a line, an arrowhead or a weight box, where it
    // would read as a weight: every badge of every step, checked point by point along each stroke.
    void badgesKeepOffTheDrawing_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::newRow("Dijkstra") << false;
        QTest::newRow("Floyd") << true;
    }
    void badgesKeepOffTheDrawing()
    {
        QFETCH(bool, floyd);
        floyd ? badgesKeepOff<FloydWindow>() : badgesKeepOff<DijkstraWindow>();
    }

    void marksGoWithTheirMode_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("mode");
        for (const char* mode : {"steps", "exercise"}) {
            QTest::addRow("Dijkstra, %s", mode) << false << QString(mode);
            QTest::addRow("Floyd, %s", mode) << true << QString(mode);
        }
    }
    void marksGoWithTheirMode()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, mode);
        floyd ? playModeOverMarks<FloydWindow>(mode) : playModeOverMarks<DijkstraWindow>(mode);
    }

    void lastStepAgreesWithTheRun_data()
    {
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("defaults") << Edits{} << QString();
        QTest::newRow("via node 4") << Edits{{"j3", "1"}} << QString();
        QTest::newRow("ties") << Edits{{"j10", "13"}, {"j2", "3"}} << QString();
        QTest::newRow("fractions") << Edits{{"j13", "0.5"}, {"j7", "2.25"}} << QString();
        QTest::newRow("zero") << Edits{{"j5", "0"}} << "Input Salah";
        QTest::newRow("negative") << Edits{{"j5", "-1"}} << "Input Salah";
    }
    void lastStepAgreesWithTheRun()
    {
        QFETCH(Edits, edits);
        QFETCH(QString, refusal);
        Host<DijkstraWindow> h;
        QStringList messages;
        h.w->setMessageBox([&](QWidget*, const QString& title, const QString& text) {
            messages << title + ": " + text;
        });
        h.type(edits);
        h.steps()->action()->trigger();
        if (!refusal.isEmpty()) {
            QVERIFY(!h.steps()->isActive());
            QCOMPARE(h.w->focusWidget(), h.get("j5")); // the refused box, as after a run
            h.get<QPushButton>("Command1")->click();
            QCOMPARE(messages.size(), 2);
            QCOMPARE(messages[0], messages[1]); // the run's own message
            return;
        }
        h.steps()->last();
        const QString last = h.explanation();
        h.steps()->leave();
        h.get<QPushButton>("Command1")->click();
        const QString total = h.get<QLabel>("lbljmljarak")->text().section(" = ", 1);
        const QString nodes = h.get<QLineEdit>("txtsimpul")->text();
        QVERIFY2(
            last.endsWith(QStringLiteral("adalah %1, lewat simpul %2 (%3).")
                              .arg(total, nodes, h.get<QLabel>("lblnojalur")->text().toLower())),
            qPrintable(last));
    }

    void floydRunMarksChangedCells()
    {
        Host<FloydWindow> h;
        h.get<QPushButton>("Command1")->click();
        // iteration:row:changed columns, the same in both listings; read off the hand-worked
        // matrices of the default weights.
        const QStringList expected{"2:1:4", "3:1:4,5", "3:2:3,5", "4:2:6",  "4:3:6",
                                   "5:2:6", "5:3:6",   "5:6:6",   "6:4:4,6"};
        for (const auto& [name, block] : {std::pair{"List1", 9}, std::pair{"List2", 8}}) {
            auto* list = h.get<QListWidget>(name);
            QStringList marked;
            for (int i = 0; i < list->count(); ++i) {
                const auto columns =
                    list->item(i)->data(ChangeDelegate::changedColumnsRole).value<QList<int>>();
                QStringList c;
                for (int col : columns)
                    c << QString::number(col);
                if (!c.isEmpty())
                    marked << QStringLiteral("%1:%2:%3")
                                  .arg(i / block)
                                  .arg(i % block)
                                  .arg(c.join(','));
            }
            QCOMPARE(marked, expected);
        }
        auto* values = h.get<QListWidget>("List1");
        QCOMPARE(values->item(trayeko::valueRowLine(2, 1))->toolTip(),
                 "Iterasi 2: 1→5 dari ∞ menjadi 11");
        QCOMPARE(values->item(trayeko::valueRowLine(2, 1))->text(),
                 "0     7     6     8    11     ~     16");
        // The marked cells are painted in their own colour.
        values->scrollToItem(values->item(trayeko::valueRowLine(3, 1)),
                             QAbstractItemView::PositionAtTop);
        const QImage image = values->viewport()->grab().toImage();
        int marks = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                marks += image.pixelColor(x, y) == ChangeDelegate::changeColour();
        QVERIFY(marks > 0);

        // A listing of other weights is not scrolled along: its blocks would contradict the steps.
        h.type({{"j1", "2"}});
        const int at = values->verticalScrollBar()->value();
        h.steps()->action()->trigger();
        h.steps()->last();
        QCOMPARE(values->verticalScrollBar()->value(), at);
    }

    void detailCaretDrawsItsRoute()
    {
        Host<DijkstraWindow> h;
        QVERIFY(QTest::qWaitForWindowActive(&h.area));
        h.get<QPushButton>("Command1")->click();
        const QStringList result = h.state();
        auto* table = h.get<QPlainTextEdit>("Tabeldata");
        table->setFocus();
        QTextCursor cursor(table->document()->findBlock(table->toPlainText().indexOf("9.")));
        table->setTextCursor(cursor);
        NetworkView* view = h.w->network();
        // Route 9: links 2, 7, 13 via nodes 3 and 5.
        QStringList coloured;
        for (const QString& name : drawingElementNames())
            if (view->elementColor(name) == RoutePreview::lineColour() ||
                view->elementColor(name) == RoutePreview::boxColour())
                coloured << name;
        QCOMPARE(coloured, QStringList({"lj2", "j2", "lj7", "j7", "lj13", "j13"}));
        QCOMPARE(view->elementColor("Shape3"), routeNodeColor());
        QVERIFY(view->accessibleDescription().startsWith("Lintasan nomor 9"));
        QTest::keyClick(table, Qt::Key_Up);
        QCOMPARE(view->elementColor("lj12a"), RoutePreview::lineColour()); // route 8: 1, 4, 5, 12
        h.steps()->enter();
        table->setFocus(); // clicked during step mode: its route comes back when that ends
        h.steps()->leave();
        QCOMPARE(view->elementColor("lj12a"), RoutePreview::lineColour());
        h.get<QPushButton>("Command1")->setFocus();
        QCOMPARE(h.state(), result);
        table->setFocus(); // closing with a route drawn must not touch the gone drawing
        QCOMPARE(view->elementColor("lj12a"), RoutePreview::lineColour());
        h.w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h.w.isNull());
    }
};

QTEST_MAIN(Tst_stepmode)
#include "tst_stepmode.moc"
