#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkview.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/floyd/floydwindow.h"
#include "ui/help/helpwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/artwork.h"
#include "ui/support/keyregistry.h"
#include "ui/support/qttranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

using trayeko::ui::Exercise;
using trayeko::ui::FrameSources;
using trayeko::ui::MainWindow;
using trayeko::ui::NetworkWindow;
using trayeko::ui::StepMode;

namespace {

// A part added later lists its keys as any part does; the help never hears of it.
constexpr trayeko::ui::KeyRow kLaterKeys[] = {
    {Qt::Key_F9, nullptr, "Latihan"},
    {Qt::SHIFT | Qt::Key_Left, nullptr, "Latihan"},
    {{}, "tombol |◀ di panel", "kembali"},
};
const trayeko::ui::KeyListing kLaterListed(trayeko::ui::keyplace::kDijkstra + 50, "Bagian baru",
                                           kLaterKeys);

const QTimeZone kWib(7 * 3600); // the panel's words do not depend on the machine's zone
const QDateTime kSample(QDate(2003, 9, 2), QTime(11, 50, 41, 250), kWib);

// A frame whose clock and Num Lock state the test controls.
struct Fixture
{
    explicit Fixture(const QDateTime& start = kSample) : now(start) {}

    QDateTime now;
    std::optional<bool> numLock;
    MainWindow frame{FrameSources{[this] { return now; }, [this] { return numLock; }}};

    QLabel* panel(int k) const
    {
        return frame.findChild<QLabel*>(QStringLiteral("Panel%1").arg(k));
    }
    QAction* entry(const char* name) const
    {
        return frame.findChild<QAction*>(QLatin1String(name));
    }
    QList<QMdiSubWindow*> windowsOfClass(const QString& className) const
    {
        QList<QMdiSubWindow*> found;
        for (QMdiSubWindow* w : frame.mdiArea()->subWindowList())
            if (className == QLatin1String(w->metaObject()->className()))
                found << w;
        return found;
    }
};

// The menu entries that open tool windows, with the class each opens.
void toolWindowRows()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("designName");
    QTest::addRow("Dijkstra") << "mnudijktra"
                              << "trayeko::ui::DijkstraWindow"
                              << "frmTrayeko";
    QTest::addRow("Floyd") << "mnufloyd"
                           << "trayeko::ui::FloydWindow"
                           << "frmFloid";
    QTest::addRow("Compare") << "mnucompare"
                             << "trayeko::ui::CompareWindow"
                             << "frmData";
}

// A frame as the program starts it (maximized on its screen, or at its own size), with a
// settings file of its own and exercises that take their code and seed without a dialog.
struct Classroom
{
    explicit Classroom(bool maximized = true)
    {
        if (maximized) {
            frame.setGeometry(frame.screen()->availableGeometry());
            frame.showMaximized();
        } else {
            frame.show();
        }
        if (!QTest::qWaitForWindowExposed(&frame))
            qFatal("the frame is not shown");
        prepare(window());
    }

    QTemporaryDir dir;
    MainWindow frame{FrameSources{[] { return kSample; }, [] { return std::optional<bool>(); },
                                  [this] {
                                      return std::make_unique<QSettings>(dir.filePath("t.ini"),
                                                                         QSettings::IniFormat);
                                  }}};

    NetworkWindow* window() const
    {
        return qobject_cast<NetworkWindow*>(frame.mdiArea()->activeSubWindow());
    }
    NetworkWindow* open(const QString& menu)
    {
        frame.findChild<QAction*>(menu)->trigger();
        prepare(window());
        return window();
    }
    static StepMode* steps(NetworkWindow* w) { return w->network()->findChild<StepMode*>(); }
    static Exercise* exercise(NetworkWindow* w) { return w->findChild<Exercise*>(); }
    // Starts step mode (F10) or an exercise (F9) in the active window.
    void begin(bool asExercise)
    {
        asExercise ? exercise(window())->enter() : steps(window())->action()->trigger();
        QApplication::processEvents();
    }
    trayeko::ui::LessonDock* dock() const { return frame.lessonDock(); }

    // Whether the user can reach all of @p rect (in the area's viewport) by scrolling the area.
    bool reachableInArea(const QRect& rect) const
    {
        const QMdiArea* area = frame.mdiArea();
        const auto range = [](const QScrollBar* bar) {
            return bar->isVisible()
                       ? std::pair(bar->minimum() - bar->value(), bar->maximum() - bar->value())
                       : std::pair(0, 0);
        };
        const auto [left, right] = range(area->horizontalScrollBar());
        const auto [top, bottom] = range(area->verticalScrollBar());
        return area->viewport()->rect().adjusted(left, top, right, bottom).contains(rect);
    }
    // Whether @p control of the panel lies within the frame once its page is scrolled to it.
    bool reachableInPanel(QWidget* control) const
    {
        for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
            if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
                QApplication::processEvents(); // the page's height settles on its texts
                const QRect inPage(control->mapTo(scroll->widget(), QPoint(0, 0)), control->size());
                scroll->ensureVisible(inPage.center().x(), inPage.center().y(), inPage.width() / 2,
                                      inPage.height() / 2);
                break;
            }
        const QRect shown(control->mapTo(&frame, QPoint(0, 0)), control->size());
        return control->isVisible() && frame.rect().contains(shown);
    }

private:
    static void prepare(NetworkWindow* w)
    {
        trayeko::ui::ExerciseSeams seams;
        seams.messageBox = [](QWidget*, const QString&, const QString&) {};
        seams.textInput = [](QWidget*, const QString&, const QString&) {
            return std::optional<QString>("4821-7");
        };
        seams.newSeed = [] { return 4821; };
        if (w && exercise(w))
            exercise(w)->setSeams(seams);
    }
};

} // namespace

class Tst_mainwindow final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startUp()
    {
        Fixture f;
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("MDIForm1"));

        auto* file = f.frame.findChild<QMenu*>(QStringLiteral("mnufile"));
        QVERIFY(file);
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QStringList entries;
        for (const QAction* a : file->actions())
            entries << a->objectName() + u'=' + a->text();
        QCOMPARE(entries, (QStringList{"mnudijktra=Metode &Dijktra", "mnufloyd=Metode &Floyd",
                                       "mnucompare=&Compare", "mnukeluar=&Keluar"}));

        // The program starts with the Dijkstra window, and only that one, inside the frame.
        QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 1);
        QCOMPARE(f.windowsOfClass("trayeko::ui::DijkstraWindow").size(), 1);

        QVERIFY(f.frame.findChild<QStatusBar*>(QStringLiteral("StatusBar1")));
        QCOMPARE(f.panel(1)->text(), QStringLiteral("Status"));
        QCOMPARE(f.panel(2)->toolTip(), QStringLiteral("Tanggal Sekarang"));
        QCOMPARE(f.panel(3)->toolTip(), QStringLiteral("Jam Sekarang"));
        QCOMPARE(f.panel(4)->text(), QString());

        auto* timer = f.frame.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }

    // The date stays as written at load, across midnight too; the time runs on from tick to tick.
    void clockRunsAndDateStays()
    {
        Fixture f(QDateTime(QDate(2003, 9, 2), QTime(23, 59, 59, 995), kWib));
        QCOMPARE(f.panel(2)->text(), QStringLiteral("9/2/2003 Indonesia"));
        QCOMPARE(f.panel(3)->text(), QStringLiteral("11:59:59 PM WIB"));

        f.now = QDateTime(QDate(2003, 9, 3), QTime(0, 0, 0, 3), QTimeZone(8 * 3600)); // moved east
        f.numLock = true;
        QTRY_COMPARE_WITH_TIMEOUT(f.panel(3)->text(), QStringLiteral("12:00:00 AM WITA"), 500);
        QCOMPARE(f.panel(4)->text(), QStringLiteral("NUM"));
        QCOMPARE(f.panel(2)->text(), QStringLiteral("9/2/2003 Indonesia"));
    }

    // Each tick lands within 50 ms after the next second boundary, so the clock shows every new
    // second promptly while waking only once a second.
    void nextTick_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::newRow("on the boundary") << QTime(11, 50, 41, 0);
        QTest::newRow("1 ms in") << QTime(11, 50, 41, 1);
        QTest::newRow("half way") << QTime(11, 50, 41, 500);
        QTest::newRow("2 ms before") << QTime(11, 50, 41, 998);
        QTest::newRow("last ms") << QTime(11, 50, 41, 999);
        QTest::newRow("last ms of the day") << QTime(23, 59, 59, 999);
    }

    void nextTick()
    {
        QFETCH(QTime, now);
        const int delay = MainWindow::msecsToNextTick(now);
        QVERIFY(delay > 0);
        const QTime landing = now.addMSecs(delay);
        const QTime nextSecond = QTime(now.hour(), now.minute(), now.second()).addSecs(1);
        QCOMPARE(QTime(landing.hour(), landing.minute(), landing.second()), nextSecond);
        QVERIFY2(landing.msec() < 50, qPrintable(landing.toString("hh:mm:ss.zzz")));
    }

    void menuShowsOneInstance_data() { toolWindowRows(); }
    void menuShowsOneInstance()
    {
        QFETCH(QString, entry);
        QFETCH(QString, className);
        Fixture f;
        f.frame.show();
        f.entry(entry.toLatin1())->trigger();
        f.entry(entry.toLatin1())->trigger();
        const auto found = f.windowsOfClass(className);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.front()->isVisible());
        QTEST(found.front()->objectName(), "designName");
        QCOMPARE(f.frame.mdiArea()->activeSubWindow(), found.front());
    }

    // The help's key table is made from the parts' key listings: every key a window answers
    // through an action or a shortcut must stand in it, in the words the table uses for the named
    // keys, also one made from a sequence of its own instead of its listed row.
    void helpListsEveryKey_data() { toolWindowRows(); }
    void helpListsEveryKey()
    {
        QFETCH(QString, entry);

        Fixture f;
        f.frame.show();
        f.entry(entry.toLatin1())->trigger();
        const QString table =
            trayeko::ui::showHelp(&f.frame)->findChild<QTextBrowser*>("txtTombol")->toPlainText();
        const QHash<QString, QString> words{{"Right", "Panah kanan"},
                                            {"Left", "Panah kiri"},
                                            {"Space", "Spasi"},
                                            {"Return", "Enter"},
                                            {"Escape", "Esc"}};
        QList<QKeySequence> keys;
        // The frame holds the window and the lesson panel.
        for (const QAction* action : f.frame.findChildren<QAction*>())
            keys << action->shortcuts();
        for (const QShortcut* shortcut : f.frame.findChildren<QShortcut*>())
            keys << shortcut->key();
        QStringList missing;
        for (const QKeySequence& key : keys) {
            const QString text = key.toString(QKeySequence::PortableText);
            if (!table.contains(words.value(text, text)))
                missing << text;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }

    // The later part's rows stand at their place, under their heading; rows that do the same
    // share a line, and a "|" of a caption stays in its cell.
    void helpListsLaterPartInPlace()
    {
        const QString table = trayeko::ui::keyTableMarkdown();
        const qsizetype later = table.indexOf("## Bagian baru\n");
        QVERIFY(table.indexOf("## Jendela Dijkstra") < later);
        QVERIFY(later < table.indexOf("## Jendela Floyd"));
        QVERIFY(table.indexOf("| F9, Shift+Panah kiri | Latihan |\n", later) > later);
        QVERIFY(table.contains("| tombol \\|◀ di panel | kembali |\n"));
    }

    // On a small screen or at a large scale factor the frame stays within the screen whatever
    // the panel shows, and every control of the window and of the panel can be reached. Run on
    // classroom screens too (see the CMake list).
    void frameFitsTheScreen_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("asExercise");
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QStringList>("controls");
        const QStringList lesson{"stepClose", "stepForward", "stepSpeed", "lessonGrid"};
        QTest::newRow("Dijkstra lesson") << "mnudijktra" << false << true << lesson;
        QTest::newRow("Floyd lesson") << "mnufloyd" << false << true << lesson;
        QTest::newRow("Dijkstra exercise")
            << "mnudijktra" << true << true
            << QStringList{"exerciseNode", "exerciseDistance", "exerciseCheck", "exerciseClose"};
        QTest::newRow("Floyd exercise")
            << "mnufloyd" << true << true
            << QStringList{"exerciseMatrix", "exerciseCheck", "exerciseClose"};
        QTest::newRow("Floyd exercise, frame at its own size")
            << "mnufloyd" << true << false << QStringList{"exerciseCheck", "exerciseClose"};
    }
    void frameFitsTheScreen()
    {
        QFETCH(QString, menu);
        QFETCH(bool, asExercise);
        QFETCH(bool, maximized);
        QFETCH(QStringList, controls);
        Classroom c(maximized);
        const QRect screen = c.frame.screen()->availableGeometry();
        if (!screen.contains(c.frame.frameGeometry()))
            QSKIP("the frame's own size is larger than this screen");
        NetworkWindow* window = c.open(menu);
        c.begin(asExercise);
        QVERIFY(c.dock()->isVisible());

        QVERIFY(screen.contains(c.frame.frameGeometry()));
        QVERIFY(c.frame.minimumSizeHint().width() <= screen.width());
        QVERIFY(c.frame.minimumSizeHint().height() <= screen.height());
        QVERIFY(c.reachableInArea(window->geometry()));
        // Reached with the keyboard too: the area scrolls to the focused run button.
        QWidget* view = c.frame.mdiArea()->viewport();
        auto* run = window->findChild<QPushButton*>("Command1");
        run->setFocus();
        QVERIFY(view->rect().contains(QRect(run->mapTo(view, QPoint(0, 0)), run->size())));
        for (const QString& name : controls) {
            auto* control = c.dock()->findChild<QWidget*>(name);
            QVERIFY2(control && c.reachableInPanel(control), qPrintable(name));
        }
        auto* help = trayeko::ui::showHelp(&c.frame);
        QVERIFY(screen.contains(help->frameGeometry()));
        help->close();
    }

    // The panel keeps one width from the lessons to the exercises, and the width the user
    // dragged it to.
    void panelKeepsItsWidth()
    {
        Classroom c;
        QList<int> widths;
        const auto visit = [&](const QString& menu, bool asExercise) {
            c.open(menu);
            c.begin(asExercise);
            widths << c.dock()->width();
        };
        visit("mnudijktra", false);
        visit("mnudijktra", true);
        visit("mnufloyd", false);
        visit("mnufloyd", true);
        QCOMPARE(widths, QList<int>(4, widths.front()));

        const int dragged = widths.front() + 30;
        c.frame.resizeDocks({c.dock()}, {dragged}, Qt::Horizontal);
        QApplication::processEvents();
        QCOMPARE(c.dock()->width(), dragged);
        visit("mnudijktra", false);
        visit("mnufloyd", true);
        QCOMPARE(widths.mid(4), QList<int>(2, dragged));
    }

    // A step mode or an exercise begun in the window behind (from its drawing's context menu)
    // runs where the panel shows it, at once; when the panel leaves for another window, it ends
    // there and its marks go.
    void panelShowsWhatRuns_data()
    {
        QTest::addColumn<QString>("behindMenu");
        QTest::addColumn<QString>("frontMenu");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("asExercise");
        for (const auto& [behind, front] :
             {std::pair("mnudijktra", "mnufloyd"), std::pair("mnufloyd", "mnudijktra")}) {
            const QString name = QLatin1String(behind).mid(3, 5);
            QTest::addRow("%s Buka soal", qPrintable(name))
                << behind << front << "exerciseOpenAction" << true;
            QTest::addRow("%s Soal baru", qPrintable(name))
                << behind << front << "exerciseNewAction" << true;
            QTest::addRow("%s Latihan", qPrintable(name))
                << behind << front << "exerciseAction" << true;
            QTest::addRow("%s steps", qPrintable(name)) << behind << front << "stepAction" << false;
        }
    }
    void panelShowsWhatRuns()
    {
        QFETCH(QString, behindMenu);
        QFETCH(QString, frontMenu);
        QFETCH(QString, action);
        QFETCH(bool, asExercise);
        Classroom c;
        NetworkWindow* behind = c.open(behindMenu);
        const QString untouched = behind->network()->accessibleDescription();
        NetworkWindow* front = c.open(frontMenu);
        c.begin(false); // the panel explains the front window's steps
        QVERIFY(c.steps(front)->isActive());

        behind->findChild<QAction*>(action)->trigger();
        QApplication::processEvents();
        QCOMPARE(c.frame.mdiArea()->activeSubWindow(), behind);
        QVERIFY(c.dock()->isVisible());
        QVERIFY(!c.steps(front)->isActive()); // the panel left it
        auto* page = c.dock()->findChild<trayeko::ui::ExercisePanel*>();
        if (asExercise) {
            QVERIFY(c.exercise(behind)->isActive());
            QVERIFY(page && page->isVisible());
            QCOMPARE(page->followed(), c.exercise(behind));
        } else {
            QVERIFY(c.steps(behind)->isActive());
            QVERIFY(!page || !page->isVisible());
            QCOMPARE(c.dock()->followed(), c.steps(behind));
        }

        c.frame.mdiArea()->setActiveSubWindow(front);
        QVERIFY(!c.exercise(behind)->isActive());
        QVERIFY(!c.steps(behind)->isActive());
        QVERIFY(
            !behind->network()->model().hasLayer(trayeko::ui::DrawingLayer::Steps)); // the marks
        QCOMPARE(behind->network()->accessibleDescription(), untouched);
        QVERIFY(!page || !page->isVisible());
    }

    // No window opens behind the panel's edge, and opening the panel moves the active window
    // beside it: its drawing can be seen and its context menu reached.
    void noWindowUnderThePanel_data()
    {
        QTest::addColumn<bool>("panelFirst");
        QTest::newRow("window opened beside the open panel") << true;
        QTest::newRow("panel opened beside the window") << false;
    }
    void noWindowUnderThePanel()
    {
        QFETCH(bool, panelFirst);
        Classroom c;
        if (panelFirst)
            c.begin(false);
        NetworkWindow* floyd = c.open("mnufloyd");
        QWidget* view = c.frame.mdiArea()->viewport();
        if (!panelFirst) {
            // Where the area puts a window when the room is to its right.
            floyd->move(std::max(0, view->width() - floyd->width()), 0);
            c.begin(false);
        }
        QApplication::processEvents(); // the area's scroll bars follow
        const QRect placed = floyd->geometry();
        QVERIFY(placed.x() >= 0 && placed.y() >= 0);
        QVERIFY(placed.right() < view->width() || placed.x() == 0); // whole, or at the corner
        QVERIFY(view->rect().contains(
            floyd->network()->mapTo(view, floyd->network()->rect().center())));
        QVERIFY(c.reachableInArea(placed));
    }

    // A closed window is unloaded; the menu loads a fresh one, also when it is chosen before the
    // closed one has been deleted.
    void menuReloadsClosedWindow_data() { toolWindowRows(); }
    void menuReloadsClosedWindow()
    {
        QFETCH(QString, entry);
        QFETCH(QString, className);
        Fixture f;
        f.frame.show();
        for (const bool deletedFirst : {true, false}) {
            f.entry(entry.toLatin1())->trigger();
            QPointer<QMdiSubWindow> old = f.windowsOfClass(className).front();
            old->close();
            if (deletedFirst)
                QTRY_VERIFY(old.isNull());
            f.entry(entry.toLatin1())->trigger();
            auto found = f.windowsOfClass(className);
            found.removeAll(old.data());
            QCOMPARE(found.size(), 1);
            QTRY_VERIFY(old.isNull());
            QCOMPARE(f.windowsOfClass(className), found);
            QVERIFY(found.front()->isVisible());
        }
    }

    // "&Keluar" ends the event loop with every window open; the guard only stops a hung test.
    void keluarEndsProgram()
    {
        Fixture f;
        f.frame.show();
        f.entry("mnufloyd")->trigger();
        f.entry("mnucompare")->trigger();
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, f.entry("mnukeluar"), &QAction::trigger);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(quitting.size(), 1);
        QVERIFY(!f.frame.isVisible());
    }

    void artwork_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("1.5x") << 1.5;
        QTest::newRow("2x") << 2.0;
    }

    // The icon comes in every size a desktop asks for; the banner is sharp at every scale and
    // shows red striped letters on white.
    void artwork()
    {
        QFETCH(qreal, dpr);
        const QList<QSize> sizes = trayeko::ui::programIcon().availableSizes();
        for (const int size : {16, 32, 48, 64, 128, 256})
            QVERIFY(sizes.contains(QSize(size, size)));

        const QPixmap banner = trayeko::ui::bannerPixmap(QStringLiteral("TRAYEKO"), 161, 22, dpr);
        QCOMPARE(banner.devicePixelRatio(), dpr);
        QCOMPARE(banner.size(), QSize(qCeil(161 * dpr), qCeil(22 * dpr)));
        const QImage image = banner.toImage();
        QCOMPARE(image.pixelColor(image.width() - 1, 0), QColor(Qt::white));
        QSet<QRgb> reds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.red() > 150 && c.green() < 190)
                    reds.insert(c.rgb() & 0xFFF0F0F0);
        QVERIFY(reds.size() > 5); // deep and light bands, not one flat colour
    }

    // With the program's translation in, Qt's own dialogs and menus speak Indonesian.
    void qtTextsInIndonesian()
    {
        QVERIFY(trayeko::ui::useIndonesianQtTexts());
        QPrinter printer;
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        QPrintDialog print(&printer);
        QPrintPreviewDialog preview(&printer);
        QMessageBox message(QMessageBox::Critical, "Input Salah", "", QMessageBox::Ok);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        const QList<std::pair<const QWidget*, QStringList>> shown{
            {&files, {"&Simpan", "Batal", "Cari di:", "&Nama berkas:", "Jenis berkas:"}},
            {&print, {"Cetak", "&Cetak", "&Opsi >>", "&Nama:", "Salinan:"}},
            {&preview, {"Pratinjau Cetak", "Perbesar"}},
            {&message, {"OK"}},
            {menu.get(), {"&Batalkan", "&Tempel", "Pilih Semua"}}};
        for (const auto& [widget, expected] : shown) {
            QStringList texts{widget->windowTitle()};
            for (const auto* b : widget->findChildren<QAbstractButton*>())
                texts << b->text();
            for (const auto* l : widget->findChildren<QLabel*>())
                texts << l->text();
            for (const auto* a : widget->findChildren<QAction*>())
                texts << a->text().section(u'\t', 0, 0);
            for (const QString& text : expected)
                QVERIFY2(texts.contains(text), qPrintable(text + " not in " + texts.join('|')));
        }
    }
};

QTEST_MAIN(Tst_mainwindow)
#include "tst_mainwindow.moc"
