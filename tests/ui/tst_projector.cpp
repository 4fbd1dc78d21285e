#include "programframe.h"

#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/exercise/exercise.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/projector/projectorview.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/keyregistry.h"

#include <QAccessible>
#include <QAction>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

using namespace trayeko::ui;

namespace {

constexpr QSize kClassroomScreen(1366, 768);

// The whole program's frame with its projector view on a screen of kClassroomScreen.
struct Program : ProgramFrame
{
    Program() : ProgramFrame([this] { return classroomScreen(); }) {}

    // Opens the window of menu entry @p menu, active in the document area.
    NetworkWindow* open(const char* menu)
    {
        frame->findChild<QAction*>(menu)->trigger();
        return qobject_cast<NetworkWindow*>(frame->mdiArea()->activeSubWindow());
    }
    void key(QWidget* where, Qt::Key k) { QTest::keyClick(where, k); }
    void inView(Qt::Key k) { key(projector->view(), k); }
    template <class T = QWidget> T* inPanel(const char* name)
    {
        return frame->lessonDock()->findChild<T*>(name);
    }
    // Every text of the panel and the pixel size it is shown in.
    std::map<QWidget*, int> panelFonts()
    {
        std::map<QWidget*, int> sizes;
        for (QWidget* w : frame->lessonDock()->findChildren<QWidget*>())
            sizes[w] = QFontInfo(w->font()).pixelSize();
        return sizes;
    }

    // The classroom's screen in the program's pixels (half as many at scale factor 2).
    QSize classroomScreen() const { return kClassroomScreen / projector->pixelRatio(); }
};

StepMode* stepsOf(NetworkWindow* w)
{
    if (auto* d = qobject_cast<DijkstraWindow*>(w))
        return d->stepMode();
    return qobject_cast<FloydWindow*>(w)->stepMode();
}

Exercise* exerciseOf(NetworkWindow* w)
{
    if (auto* d = qobject_cast<DijkstraWindow*>(w))
        return d->exercise();
    return qobject_cast<FloydWindow*>(w)->exercise();
}

// Where @p r of the client area's widget @p w stands in the projector's viewport.
QRect onScreen(ProjectorView* projector, QWidget* w, QRect r)
{
    QGraphicsProxyWidget* proxy = w->window()->graphicsProxyWidget();
    const QRectF inClient(w->mapTo(w->window(), r.topLeft()), r.size());
    return projector->view()->mapFromScene(proxy->mapRectToScene(inClient)).boundingRect();
}

} // namespace

class TestProjector final : public QObject
{
    Q_OBJECT

private slots:
    // F11 lends the window's client area and the panel to the view and gives back both as they
    // were: the window at its place in the document area, the panel where it stood, shown or
    // not, every font at its size; a lesson begun in the view goes on in the frame.
    void entersAndLeavesInPlace_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("stepsBefore");
        QTest::addColumn<bool>("stepsInView");
        QTest::addRow("Dijkstra, panel closed") << "mnudijktra" << false << false;
        QTest::addRow("Floyd, in step mode") << "mnufloyd" << true << false;
        QTest::addRow("Dijkstra, step mode begun in the view") << "mnudijktra" << false << true;
    }
    void entersAndLeavesInPlace()
    {
        QFETCH(QString, menu);
        QFETCH(bool, stepsBefore);
        QFETCH(bool, stepsInView);
        Program p;
        NetworkWindow* window = p.open(qPrintable(menu));
        QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
        QWidget* client = window->widget();
        LessonDock* dock = p.frame->lessonDock();
        if (stepsBefore)
            p.key(QApplication::focusWidget(), Qt::Key_F10);
        QApplication::processEvents();
        const QPoint place = window->pos();
        const QSize size = window->size();
        const bool dockShown = dock->isVisible();
        const Qt::DockWidgetArea area = p.frame->dockWidgetArea(dock);
        const int dockWidth = dock->width();
        const auto fonts = p.panelFonts();

        p.key(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(p.projector->isActive());
        QVERIFY(p.projector->isVisible());
        QCOMPARE(p.projector->shownWindow(), window);
        QVERIFY(!window->widget());
        QVERIFY(client->graphicsProxyWidget());
        // The borrowed client area is no anonymous top-level window to screen readers.
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < application->childCount(); ++i)
            QCOMPARE(application->child(i)->role(), QAccessible::Window);
        QCOMPARE(dock->window(), p.projector);
        QVERIFY(dock->isVisible());
        QVERIFY(QFontInfo(dock->font()).pixelSize() * p.projector->pixelRatio() >=
                ProjectorView::kPanelTextPx);
        if (stepsInView) {
            p.inView(Qt::Key_F10);
            QVERIFY(stepsOf(window)->isActive());
        }
        QCOMPARE(stepsOf(window)->isActive(), stepsBefore || stepsInView);

        p.inView(Qt::Key_F11);
        QVERIFY(!p.projector->isActive());
        QVERIFY(!p.projector->isVisible());
        QCOMPARE(window->widget(), client);
        QVERIFY(!client->graphicsProxyWidget());
        QVERIFY(client->isVisible());
        QCOMPARE(window->pos(), place);
        QCOMPARE(window->size(), size);
        QCOMPARE(p.frame->mdiArea()->activeSubWindow(), window);
        QCOMPARE(dock->window(), p.frame.get());
        QCOMPARE(p.frame->dockWidgetArea(dock), area);
        QCOMPARE(dock->isVisible(), dockShown || stepsInView);
        if (dockShown)
            QCOMPARE(dock->width(), dockWidth);
        for (const auto& [w, px] : fonts)
            QCOMPARE(QFontInfo(w->font()).pixelSize(), px);
        QCOMPARE(stepsOf(window)->isActive(), stepsBefore || stepsInView);
        // The marks and the step keys are the window's again.
        QVERIFY(window->isAncestorOf(stepsOf(window)->focusHolder()));
        if (stepsBefore || stepsInView) {
            const int step = stepsOf(window)->currentStep();
            window->network()->setFocus();
            p.key(QApplication::focusWidget(), Qt::Key_Right);
            QCOMPARE(stepsOf(window)->currentStep(), step + 1);
        }
    }

    // On a 1366 x 768 screen the weights, the total and the elapsed time (the smallest texts of
    // the drawing; node numbers are twice their size) and the panel's texts are at least 20 px
    // high, every weight box and the total are in sight, and the Floyd matrix cuts no number.
    void readableOnAClassroomScreen_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addRow("Dijkstra") << "mnudijktra";
        QTest::addRow("Floyd") << "mnufloyd";
    }
    void readableOnAClassroomScreen()
    {
        QFETCH(QString, menu);
        Program p;
        NetworkWindow* window = p.open(qPrintable(menu));
        window->findChild<QPushButton*>("Command1")->click();
        p.projector->enter(window);
        QVERIFY(QTest::qWaitForWindowActive(p.projector));
        p.inView(Qt::Key_F10);
        QVERIFY(stepsOf(window)->isActive());
        // Step 3: the longest explanation of the Floyd lesson.
        p.inView(Qt::Key_Right);
        p.inView(Qt::Key_Right);
        QApplication::processEvents();
        QCOMPARE(p.projector->size(), p.classroomScreen());

        // In the screen's own pixels, whatever the scale factor.
        const double ratio = p.projector->pixelRatio();
        const double shown = p.projector->drawingScale() * p.projector->smallestTextPx() * ratio;
        QVERIFY2(shown >= 20.0, qPrintable(QString::number(shown)));
        const QRect viewport = p.projector->view()->viewport()->rect();
        for (int k = 1; k <= 14; ++k) {
            QLineEdit* box = window->network()->weightBox(k);
            QVERIFY(viewport.contains(onScreen(p.projector, box, box->rect())));
        }
        for (const char* name : {"lbljmljarak", "lblwaktu"}) {
            auto* label = window->network()->parentWidget()->findChild<QLabel*>(name);
            QVERIFY2(label, name);
            QVERIFY2(viewport.contains(onScreen(p.projector, label, label->rect())), name);
        }
        for (const char* name :
             {"stepExplanation", "lessonVariables", "lessonCode", "lessonGridTitle", "lessonGrid"})
            QVERIFY2(QFontInfo(p.inPanel(name)->font()).pixelSize() * ratio >= 20, name);
        if (menu == "mnufloyd") {
            auto* grid = p.inPanel<QTableWidget>("lessonGrid");
            // The whole matrix in sight, its last row included (at scale 1; at scale 2 the
            // chrome of the panel is twice as large and the grid scrolls).
            QWidget* panel = p.frame->lessonDock();
            const QRect last = grid->visualRect(grid->model()->index(grid->rowCount() - 1, 0));
            const QRect lastInPanel(grid->viewport()->mapTo(panel, last.topLeft()), last.size());
            if (ratio == 1.0) {
                QVERIFY(grid->viewport()->rect().contains(last));
                QVERIFY(panel->rect().contains(lastInPanel));
            }
            const QFontMetrics metrics(grid->font());
            for (int c = 0; c < grid->columnCount(); ++c)
                for (int r = 0; r < grid->rowCount(); ++r)
                    QVERIFY2(metrics.horizontalAdvance(grid->item(r, c)->text()) <
                                 grid->columnWidth(c),
                             qPrintable(grid->item(r, c)->text()));
        }
        p.projector->leave();
    }

    // The share of the screen: the drawing as large as its text needs to be read, the panel
    // what is left (never less than a usable width), both on the screen.
    void layoutOfTheScreen_data()
    {
        QTest::addColumn<QSize>("screen"); // in the program's pixels
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("readable");
        QTest::addRow("1366 x 768") << QSize(1366, 768) << 1.0 << true;
        QTest::addRow("1920 x 1080") << QSize(1920, 1080) << 1.0 << true;
        QTest::addRow("1600 x 900") << QSize(1600, 900) << 1.0 << true;
        QTest::addRow("1280 x 1024: too narrow for both") << QSize(1280, 1024) << 1.0 << false;
        QTest::addRow("1024 x 768: the panel keeps its width") << QSize(1024, 768) << 1.0 << false;
        QTest::addRow("1366 x 768 at scale 2") << QSize(683, 384) << 2.0 << true;
        QTest::addRow("1920 x 1080 at scale 1.5") << QSize(1280, 720) << 1.5 << true;
    }
    void layoutOfTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(double, ratio);
        QFETCH(bool, readable);
        const QSize region(597, 405);
        const double text = 11;
        const int separator = 6;
        const ProjectorLayout layout = projectorLayout(screen, region, text, separator, ratio);
        QCOMPARE(layout.scale * text * ratio >= 20.0, readable);
        QVERIFY(layout.panelWidth * ratio >= std::min(220.0, screen.width() * ratio / 3) - 1);
        QVERIFY(region.width() * layout.scale + separator + layout.panelWidth <= screen.width());
        QVERIFY(region.height() * layout.scale <= screen.height());
        // Nothing of the screen is left to neither.
        QVERIFY(region.width() * layout.scale + separator + layout.panelWidth >=
                    screen.width() - 1 ||
                region.height() * layout.scale >= screen.height() - 1);
    }

    // In the view the step keys, playback and an exercise answer as in the window: keys on the
    // drawing, answers typed in the panel, a node clicked on the scaled drawing. Esc ends step
    // mode and the exercise first and leaves the view only where neither takes it.
    void stepsAndExercisesWorkInTheView()
    {
        Program p;
        NetworkWindow* window = p.open("mnudijktra");
        p.projector->enter(window);
        QVERIFY(QTest::qWaitForWindowActive(p.projector));
        StepMode* steps = stepsOf(window);
        p.inView(Qt::Key_F10);
        QVERIFY(steps->isActive());
        p.inView(Qt::Key_Right);
        QCOMPARE(steps->currentStep(), 1);
        p.inView(Qt::Key_End);
        QCOMPARE(steps->currentStep(), steps->stepCount() - 1);
        p.inView(Qt::Key_P);
        QVERIFY(steps->isPlaying());
        QCOMPARE(steps->currentStep(), 0);
        p.key(p.inPanel("stepPlay"), Qt::Key_P); // the panel's own keys, in the view too
        QVERIFY(!steps->isPlaying());
        p.inView(Qt::Key_Escape);
        QVERIFY(!steps->isActive());
        QVERIFY(p.projector->isActive());

        Exercise* exercise = exerciseOf(window);
        p.inView(Qt::Key_F9);
        QVERIFY(exercise->isActive());
        auto* node = p.inPanel<QLineEdit>("exerciseNode");
        auto* distance = p.inPanel<QLineEdit>("exerciseDistance");
        QVERIFY(node && node->isVisible());
        QVERIFY(QFontInfo(node->font()).pixelSize() * p.projector->pixelRatio() >= 20);
        QTest::keyClicks(node, "1");
        QTest::keyClicks(distance, "0");
        p.key(distance, Qt::Key_Return);
        QCOMPARE(exercise->question(), 1);
        const QRect circle = window->network()->elementRect("Shape3");
        QSignalSpy clicked(window->network(), &NetworkView::nodeClicked);
        QTest::mouseClick(p.projector->view()->viewport(), Qt::LeftButton, {},
                          onScreen(p.projector, window->network(), circle).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 3);
        QCOMPARE(node->text(), "3");
        QTest::keyClicks(distance, "6");
        p.key(distance, Qt::Key_Return);
        QCOMPARE(exercise->question(), 2);
        // A dialog of the window's (Buka soal...) belongs to the frame: when it closes and the
        // frame is active again, the view comes back to the front.
        QApplication::setActiveWindow(p.frame.get());
        QTRY_COMPARE(QApplication::activeWindow(), p.projector);
        p.inView(Qt::Key_Escape);
        QVERIFY(!exercise->isActive());
        QVERIFY(p.projector->isActive());
        p.inView(Qt::Key_Escape);
        QVERIFY(!p.projector->isActive());
        QCOMPARE(window->widget(), window->network()->parentWidget());
    }

    // The window closed, or the program ended, while the view shows it: the client area is not
    // left behind in the view, and the panel is back in the frame.
    void closingWhileShown_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addRow("window closed by its button") << "window";
        QTest::addRow("frame closed") << "frame";
        QTest::addRow("view closed by the desktop") << "view";
        QTest::addRow("frame deleted") << "delete";
    }
    void closingWhileShown()
    {
        QFETCH(QString, what);
        Program p;
        QPointer<NetworkWindow> window = p.open("mnufloyd");
        QPointer<QWidget> client = window->widget();
        p.projector->enter(window);
        QVERIFY(QTest::qWaitForWindowActive(p.projector));
        p.inView(Qt::Key_F10);
        QPointer<ProjectorView> projector = p.projector;
        if (what == "window") {
            QTest::keyClick(p.projector->view(), Qt::Key_K, Qt::AltModifier); // "&Keluar"
            QTRY_VERIFY(!p.projector->isActive()); // the button's click is animated
            QVERIFY(!p.projector->isVisible());
            QCOMPARE(p.frame->lessonDock()->window(), p.frame.get());
            QTRY_VERIFY(!window);
            QVERIFY(!client);
        } else if (what == "frame") {
            p.frame->close();
            QVERIFY(!p.projector->isActive());
            QCOMPARE(client->parentWidget(), window.data());
        } else if (what == "view") {
            p.projector->close();
            QVERIFY(!p.projector->isActive());
            QCOMPARE(window->widget(), client.data());
            QCOMPARE(p.frame->lessonDock()->window(), p.frame.get());
        } else {
            p.frame.reset();
            QVERIFY(!projector && !window && !client);
        }
    }

    // The view is reached by F11 in either window and in the panel, by the drawing's context
    // menu, and listed in the help's key table.
    void reachedByKeyMenuAndHelp()
    {
        Program p;
        NetworkWindow* window = nullptr;
        for (const char* menu : {"mnufloyd", "mnudijktra"}) {
            window = p.open(menu);
            QAction* entry = nullptr;
            for (QAction* a : window->network()->actions())
                if (a->text() == "Tampilan proyektor")
                    entry = a;
            QVERIFY(entry);
            QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F11));
            entry->trigger();
            QCOMPARE(p.projector->shownWindow(), window);
            entry->trigger();
            QVERIFY(!p.projector->isActive());
        }
        // From the panel, with the lesson's buttons in reach.
        QVERIFY(QTest::qWaitForWindowActive(p.frame.get()));
        window->network()->weightBox(1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        p.inPanel("stepForward")->setFocus();
        p.key(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(p.projector->isActive());
        p.inPanel("stepForward")->setFocus();
        p.key(QApplication::focusWidget(), Qt::Key_F11);
        QVERIFY(!p.projector->isActive());

        const QString table = keyTableMarkdown();
        QVERIFY(table.contains("## Tampilan proyektor"));
        QVERIFY(table.contains("| F11 | Tampilan proyektor:"));
        QVERIFY(table.contains("| Esc | keluar dari tampilan proyektor"));
    }
};

QTEST_MAIN(TestProjector)
#include "tst_projector.moc"
