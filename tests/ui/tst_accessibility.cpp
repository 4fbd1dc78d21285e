#include "core/demonetwork.h"
#include "ui/compare/comparewindow.h"
#include "ui/compare/scenarionetworkview.h"
#include "ui/dijkstra/detailpanel.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/networkaccessible.h"
#include "ui/drawing/networkview.h"
#include "ui/floyd/floydwindow.h"
#include "ui/help/helpwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/qttranslation.h"
#include "ui/support/twips.h"
#include "windowhost.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QAbstractButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextBrowser>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QtTest>
#include <functional>
#include <memory>

using namespace trayeko::ui;

namespace {

using Edits = QList<QPair<QString, QString>>; // weight box, text typed into it
using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString accessibleName(QObject* object)
{
    return accessible(object)->text(QAccessible::Name);
}

// The names of the drawing's children whose state says "highlighted", in tree order.
QStringList highlightedChildren(NetworkView* view)
{
    QStringList out;
    QAccessibleInterface* iface = accessible(view);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* c = iface->child(i); c->state().selected)
            out << c->text(QAccessible::Name).section(' ', 0, 1);
    return out;
}

void typeWeights(QWidget* window, const Edits& edits)
{
    for (const auto& [box, text] : edits)
        window->findChild<QLineEdit*>(box)->setText(text);
}

// A network window whose refusals show no message box.
NetworkWindow* networkWindow(bool floyd)
{
    if (floyd)
        return new FloydWindow;
    auto* w = new DijkstraWindow;
    w->setMessageBox([](QWidget*, const QString&, const QString&) {});
    return w;
}

// Shows the frame with the keyboard focus, as the desktop does when the program starts.
bool activate(QWidget& frame)
{
    frame.show();
    QApplication::setActiveWindow(&frame);
    return QTest::qWaitForWindowActive(&frame);
}

// Presses keys such as "Alt+F F" where the keyboard focus is, as a user does.
void pressKeys(QWidget& frame, const QString& keys)
{
    for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget() ? QApplication::focusWidget() : &frame;
        const QKeySequence sequence(key);
        QTest::keyClick(target, Qt::Key(sequence[0].key()), sequence[0].keyboardModifiers());
    }
}

// Whether a screen reader is told that the element shows on the screen (AT-SPI's "showing").
bool showing(QAccessibleInterface* iface)
{
    const QAccessible::State state = iface->state();
    return !state.invisible && !state.offscreen;
}

// The elements below @p iface reported as showing whose place lies wholly outside @p area (in
// screen coordinates), by objectName or accessible name; the parts of such an element are not
// listed again. Hidden elements' subtrees are skipped.
QStringList showingOutside(QAccessibleInterface* iface, const QRect& area)
{
    QStringList out;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* c = iface->child(i);
        if (!c || !showing(c))
            continue;
        const QRect r = c->rect();
        if (!r.isEmpty() && !r.intersects(area))
            out << (c->object() && !c->object()->objectName().isEmpty()
                        ? c->object()->objectName()
                        : c->text(QAccessible::Name));
        else
            out << showingOutside(c, area);
    }
    return out;
}

FrameSources fixedSources()
{
    return {[] { return QDateTime(QDate(2003, 9, 2), QTime(11, 50, 41)); },
            [] { return std::optional<bool>(); }};
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    // Every control the keyboard reaches says what it is, and no two say the same.
    void reachableControlsAreNamed_data()
    {
        QTest::addColumn<WindowFactory>("make");
        QTest::addColumn<int>("minimumCount");
        for (const bool floyd : {false, true})
            QTest::addRow(floyd ? "Floyd" : "Dijkstra")
                << WindowFactory([floyd] { return std::unique_ptr<QWidget>(networkWindow(floyd)); })
                << (floyd ? 18 : 17);
        QTest::addRow("comparison")
            << WindowFactory([] { return std::make_unique<CompareWindow>(); }) << 5;
        QTest::addRow("growth chart") << WindowFactory([] {
            return std::make_unique<GrowthChartWindow>(GrowthSeams{{4}, {}, 0});
        }) << 2;
        QTest::addRow("network picture")
            << WindowFactory([] { return std::make_unique<ScenarioNetworkWindow>(); }) << 1;
        QTest::addRow("frame") << WindowFactory([] {
            return std::make_unique<MainWindow>(fixedSources());
        }) << 17;
        QTest::addRow("help")
            << WindowFactory([] { return std::make_unique<HelpWindow>(); }) << 5;
    }
    void reachableControlsAreNamed()
    {
        QFETCH(WindowFactory, make);
        QFETCH(int, minimumCount);
        const std::unique_ptr<QWidget> window = make();
        QSet<QString> seen;
        QStringList problems;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // A focus proxy (the text part of a combo box) speaks through its owner, and a combo
            // box's drop-down list is a popup window of its own whose items speak for themselves.
            if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() || !w->isEnabled() ||
                w->window() != window.get())
                continue;
            if (qobject_cast<QLineEdit*>(w) && qobject_cast<QWidget*>(w->parent()) &&
                w->parentWidget()->focusProxy() == w)
                continue;
            const QString name = accessibleName(w);
            if (name.trimmed().isEmpty() || name == w->objectName())
                problems << w->objectName() + " (" + w->metaObject()->className() + ") unnamed";
            else if (seen.contains(name))
                problems << w->objectName() + " repeats \"" + name + "\"";
            seen.insert(name);
        }
        QCOMPARE(problems.join("; "), QString());
        QVERIFY2(seen.size() >= minimumCount, qPrintable(QString::number(seen.size())));
    }

    // Both drawings name their weight boxes after their links.
    void weightBoxNames_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addRow("Dijkstra j1") << false << 1 << "Bobot jalur 1"
                                     << "Jalur 1 dari simpul 1 ke simpul 2";
        QTest::addRow("Dijkstra j11 against the node order")
            << false << 11 << "Bobot jalur 11"
            << "Jalur 11 dari simpul 6 ke simpul 5";
        QTest::addRow("Floyd j14") << true << 14 << "Bobot jalur 14"
                                   << "Jalur 14 dari simpul 6 ke simpul 7";
    }
    void weightBoxNames()
    {
        QFETCH(bool, floyd);
        QFETCH(int, link);
        QFETCH(QString, name);
        QFETCH(QString, description);
        WindowHost<NetworkWindow> host(networkWindow(floyd));
        QAccessibleInterface* box = accessible(host.w->network()->weightBox(link));
        QCOMPARE(box->text(QAccessible::Name), name);
        QCOMPARE(box->text(QAccessible::Description), description);
        QCOMPARE(box->role(), QAccessible::EditableText);
    }

    // What a screen reader finds on the drawing after a run: the route in the drawing's
    // description and the highlighted nodes and links in their states. (That the changes are
    // announced is checked over AT-SPI by scripts/atspi-check.py: Qt sends no events to
    // assistive technology on the offscreen platform.)
    void drawingAfterRun_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QList<Edits>>("runs"); // what is typed before each click of Proses
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("highlighted");

        const QStringList ends{"Simpul 1", "Simpul 7"};
        const QStringList direct = ends + QStringList{"Jalur 10"};
        const QStringList through35{"Simpul 1", "Simpul 3", "Simpul 5", "Simpul 7",
                                    "Jalur 2",  "Jalur 7",  "Jalur 13"};
        const QString directText = "Lintasan terpilih: simpul 1, 7 lewat jalur 10";
        const QString through35Text = "Lintasan terpilih: simpul 1, 3, 5, 7 lewat jalur 2, 7, 13";

        QTest::addRow("Dijkstra before a run")
            << false << QList<Edits>{} << "Belum ada lintasan terpilih" << ends;
        // Routes 1 and 9 tie at 16; the lower number, the direct link, is chosen.
        QTest::addRow("Dijkstra defaults") << false << QList<Edits>{{}} << directText << direct;
        QTest::addRow("Dijkstra through nodes 3 and 5")
            << false << QList<Edits>{{{"j10", "20"}}} << through35Text << through35;
        QTest::addRow("Dijkstra: a new route replaces the old")
            << false << QList<Edits>{{}, {{"j10", "20"}}} << through35Text << through35;
        QTest::addRow("Dijkstra: a refused run keeps the shown route")
            << false << QList<Edits>{{}, {{"j4", "-1"}}} << directText << direct;
        QTest::addRow("Dijkstra: a refused first run shows none")
            << false << QList<Edits>{{{"j4", "0"}}} << "Belum ada lintasan terpilih" << ends;
        QTest::addRow("Floyd defaults") << true << QList<Edits>{{}} << directText << direct;
        QTest::addRow("Floyd, direct link made long")
            << true << QList<Edits>{{{"j10", "30"}}} << through35Text << through35;
    }
    void drawingAfterRun()
    {
        QFETCH(bool, floyd);
        QFETCH(QList<Edits>, runs);
        QFETCH(QString, summary);
        QFETCH(QStringList, highlighted);

        WindowHost<NetworkWindow> host(networkWindow(floyd));
        NetworkWindow* window = host.w;
        for (const Edits& edits : runs) {
            typeWeights(window, edits);
            window->findChild<QPushButton*>("Command1")->click();
        }

        QAccessibleInterface* iface = accessible(window->network());
        QCOMPARE(iface->role(), QAccessible::Chart);
        QCOMPARE(iface->text(QAccessible::Name), "Pencarian Jalur");
        QCOMPARE(iface->text(QAccessible::Description), summary);
        QCOMPARE(highlightedChildren(window->network()), highlighted);
    }

    // A link's description carries the weight its box shows, as typed.
    void linkDescription_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::addRow("default") << "6"
                                 << "bobot 6, tidak disorot";
        QTest::addRow("decimal, blanks trimmed") << " 2.5 "
                                                 << "bobot 2.5, tidak disorot";
        QTest::addRow("empty box") << ""
                                   << "bobot kosong, tidak disorot";
    }
    void linkDescription()
    {
        QFETCH(QString, typed);
        QFETCH(QString, description);
        NetworkView view(trayeko::ui::dijkstraDrawing());
        makeAccessible(view);
        view.weightBox(2)->setText(typed);
        QAccessibleInterface* link = accessible(&view)->child(trayeko::kNodeCount + 1);
        QCOMPARE(link->text(QAccessible::Name), "Jalur 2 dari simpul 1 ke simpul 3");
        QCOMPARE(link->text(QAccessible::Description), description);
    }

    // Colours set directly, in combinations no run makes: the summary never hides a red link.
    void summaryOfColours_data()
    {
        QTest::addColumn<QStringList>("red");
        QTest::addColumn<QString>("summary");
        QTest::addRow("nothing") << QStringList{} << "Belum ada lintasan terpilih";
        QTest::addRow("one segment of link 10 is enough")
            << QStringList{"lj10b"} << "Lintasan terpilih: simpul 1, 7 lewat jalur 10";
        QTest::addRow("a red box alone is no route")
            << QStringList{"j5"} << "Belum ada lintasan terpilih";
        QTest::addRow("a link away from the start") << QStringList{"lj5"} << "Jalur disorot: 5";
        QTest::addRow("route that stops short")
            << QStringList{"lj2", "lj7"} << "Jalur disorot: 2, 7";
        QTest::addRow("route with an extra red link")
            << QStringList{"lj10a", "lj10b", "lj14"} << "Jalur disorot: 10, 14";
        QTest::addRow("route 17 in the Floyd drawing's terms")
            << QStringList{"lj3", "lj12a", "lj12b"}
            << "Lintasan terpilih: simpul 1, 4, 7 lewat jalur 3, 12";
    }
    void summaryOfColours()
    {
        QFETCH(QStringList, red);
        QFETCH(QString, summary);
        NetworkView view(trayeko::ui::floydDrawing());
        makeAccessible(view);
        for (const QString& name : red)
            view.setElementColor(name, QColor(255, 0, 0));
        QCOMPARE(highlightedRouteText(view), summary);
        QCOMPARE(accessible(&view)->text(QAccessible::Description), summary);
    }

    // The tree holds together: parents, indexes, and hit tests that find the topmost element.
    void treeAndHitTests_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QPoint>("twips"); // in the Dijkstra drawing's coordinates
        QTest::addColumn<QString>("hit");
        QTest::addRow("weight box on its line") << false << QPoint(3180, 4100) << "Bobot jalur 5";
        QTest::addRow("node over the ends of its lines")
            << false << QPoint(3240, 2790) << "Simpul 3";
        QTest::addRow("second segment of link 10")
            << false << QPoint(5640, 1560) << "Jalur 10 dari simpul 1 ke simpul 7";
        QTest::addRow("same place in the shifted Floyd drawing")
            << true << QPoint(5640, 1560) << "Jalur 10 dari simpul 1 ke simpul 7";
        QTest::addRow("beside a diagonal, inside its box") << false << QPoint(1300, 1500) << "";
        QTest::addRow("legend") << false << QPoint(7500, 700) << "";
    }
    void treeAndHitTests()
    {
        QFETCH(bool, floyd);
        QFETCH(QPoint, twips);
        QFETCH(QString, hit);
        NetworkView view(floyd ? trayeko::ui::floydDrawing() : trayeko::ui::dijkstraDrawing());
        makeAccessible(view);
        view.show();
        QAccessibleInterface* iface = accessible(&view);
        QCOMPARE(iface->childCount(), trayeko::kNodeCount + 2 * trayeko::kLinkCount);
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* c = iface->child(i);
            QVERIFY(c && c->isValid());
            QCOMPARE(c->parent(), iface);
            QCOMPARE(iface->indexOfChild(c), i);
            QVERIFY(iface->rect().contains(c->rect()));
        }
        QVERIFY(!iface->child(iface->childCount()));

        const int shift = view.variant().networkShift;
        const QPoint global = view.mapToGlobal(QPoint(px(twips.x() + shift), px(twips.y())));
        QAccessibleInterface* found = iface->childAt(global.x(), global.y());
        QCOMPARE(found ? found->text(QAccessible::Name) : QString(), hit);
    }

    // The lesson panel's title buttons speak the program's language: Qt names them itself, in
    // the texts our translation of Qt carries.
    void dockTitleButtonsSpeakIndonesian_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addRow("float") << "qt_dockwidget_floatbutton" << "Lepaskan"
                               << "Melepaskan panel dari jendela atau menempelkannya kembali";
        QTest::addRow("close") << "qt_dockwidget_closebutton" << "Tutup"
                               << "Menutup panel";
    }
    void dockTitleButtonsSpeakIndonesian()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, description);
        static const bool translated = useIndonesianQtTexts();
        QVERIFY(translated);
        QMainWindow frame;
        auto* dock = new LessonDock(&frame);
        frame.addDockWidget(Qt::RightDockWidgetArea, dock);
        auto* found = dock->findChild<QAbstractButton*>(button);
        QVERIFY2(found, qPrintable(button));
        QCOMPARE(accessibleName(found), name);
        QCOMPARE(accessible(found)->text(QAccessible::Description), description);
    }

    // What lies beyond a window's visible area (the route totals kept for comparison, the closed
    // detail view) is not reported as showing, after a run too, while its text stays readable.
    // Only the detail table stays: it is the window's last Tab stop, open or closed.
    void outOfSightIsNotShowing_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<int>("detailToggles");
        QTest::addColumn<QString>("totalBox");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("stillShowing");
        QTest::addRow("Dijkstra, detail view open") << false << 1 << "h9" << "16" << "";
        QTest::addRow("Dijkstra, detail view closed")
            << false << 0 << "txtplt7" << "16" << "Tabeldata";
        QTest::addRow("Dijkstra, detail view opened and closed")
            << false << 2 << "txtsimpul" << "1 dan 7" << "Tabeldata";
        QTest::addRow("Floyd") << true << 0 << "h2" << "23" << "";
    }
    void outOfSightIsNotShowing()
    {
        QFETCH(bool, floyd);
        QFETCH(int, detailToggles);
        QFETCH(QString, totalBox);
        QFETCH(QString, total);
        QFETCH(QString, stillShowing);
        WindowHost<NetworkWindow> host(networkWindow(floyd), QSize(1300, 900));
        if (auto* panel = host.w->findChild<DetailPanel*>("detailPanel")) {
            panel->build();
            for (int k = 0; k < detailToggles; ++k)
                panel->toggle();
        }
        host.w->findChild<QPushButton*>("Command1")->click();
        QWidget* client = host.w->widget();
        const QRect area(client->mapToGlobal(QPoint(0, 0)), client->size());
        QCOMPARE(showingOutside(accessible(host.w), area).join(' '), stillShowing);
        auto* box = host.w->findChild<QLineEdit*>(totalBox);
        QCOMPARE(box->text(), total);
        QVERIFY(!showing(accessible(box)));
    }

    // The blank lines between the Floyd listings' blocks are no focusable items without a name;
    // every other line is read as it is shown.
    void listingLinesAreNamed_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("blankLines");
        QTest::addRow("values, blocks set apart") << "List1" << true;
        QTest::addRow("nodes, one block after the other") << "List2" << false;
    }
    void listingLinesAreNamed()
    {
        QFETCH(QString, list);
        QFETCH(bool, blankLines);
        WindowHost<NetworkWindow> host(networkWindow(true));
        host.w->findChild<QPushButton*>("Command1")->click();
        auto* widget = host.w->findChild<QListWidget*>(list);
        QAccessibleInterface* iface = accessible(widget);
        int blank = 0;
        QStringList problems;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* item = iface->child(i);
            const QString name = item->text(QAccessible::Name);
            const QString shown = widget->item(i)->text();
            if (shown.trimmed().isEmpty()) {
                ++blank;
                if (item->state().focusable || name.trimmed().isEmpty())
                    problems << QString::number(i);
            } else if (name != shown || !item->state().focusable) {
                problems << QString::number(i) + " " + name;
            }
        }
        QCOMPARE(problems.join("; "), QString());
        QCOMPARE(blank > 0, blankLines);
    }

    // The help's links to the guides are reached by Tab, one after the other, Enter follows the
    // one with the focus, and Tab then goes on into the guide.
    void helpLinksByKeyboard_data()
    {
        QTest::addColumn<bool>("backwards"); // Shift+Tab from the guide instead of Tab to it
        QTest::addColumn<int>("tabs");       // pressed after the first that reaches the links
        QTest::addColumn<QString>("heading");
        QTest::addRow("Indonesian link first") << false << 0 << "Memakai Trayeko di kelas";
        QTest::addRow("English link second") << false << 1 << "Using Trayeko in class";
        QTest::addRow("Shift+Tab from the guide: English link")
            << true << 0 << "Using Trayeko in class";
    }
    void helpLinksByKeyboard()
    {
        QFETCH(bool, backwards);
        QFETCH(int, tabs);
        QFETCH(QString, heading);
        HelpWindow help;
        QVERIFY(activate(help));
        auto* links = help.findChild<QLabel*>("lblBahasa");
        // The other guide first, so that the link followed has something to change.
        help.showGuide(!heading.startsWith("Using"));
        if (backwards) {
            help.guide()->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(help.guide(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        for (int i = 0; i < 10 && QApplication::focusWidget() != links; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), links);
        for (int i = 0; i < tabs; ++i)
            QTest::keyClick(links, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), links);
        QTest::keyClick(links, Qt::Key_Return);
        QCOMPARE(help.guide()->toPlainText().section('\n', 0, 0), heading);
        if (backwards)
            return;
        for (int i = tabs; i < 2; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), help.guide());
    }

    // The Floyd listings' column numbers are read as they stand, their caption as description.
    void columnNumbersAreRead_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("description");
        QTest::addRow("values") << "Label28" << "Nomor kolom matriks nilai";
        QTest::addRow("nodes") << "Label29" << "Nomor kolom matriks simpul";
    }
    void columnNumbersAreRead()
    {
        QFETCH(QString, label);
        QFETCH(QString, description);
        FloydWindow window;
        auto* header = window.findChild<QLabel*>(label);
        QCOMPARE(accessibleName(header).split(' ', Qt::SkipEmptyParts).join(' '),
                 "1 2 3 4 5 6 7");
        QCOMPARE(accessible(header)->text(QAccessible::Description), description);
    }

    // Every window the program opens reaches a screen reader as a window named by its title, and
    // has the keyboard focus, so that F1 and then Esc need no mouse.
    void windowsAreWindows_data()
    {
        QTest::addColumn<QString>("keys"); // pressed in the frame to open the window
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addRow("frame") << "" << QAccessible::Window << "Trayeko";
        QTest::addRow("help by F1") << "F1" << QAccessible::Window << "Bantuan Trayeko";
        QTest::addRow("help by F1 in the Floyd window")
            << "Alt+F F F1" << QAccessible::Window << "Bantuan Trayeko";
        QTest::addRow("projector view by F11")
            << "F11" << QAccessible::Window << "Tampilan proyektor";
    }
    void windowsAreWindows()
    {
        QFETCH(QString, keys);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        MainWindow frame(fixedSources());
        QVERIFY(activate(frame));
        pressKeys(frame, keys);
        QPointer<QWidget> window = &frame;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &frame && w->isVisible() && !w->graphicsProxyWidget())
                window = w;
        // Not QTest::qWaitForWindowActive: it counts the frame's activity for its transients.
        QTRY_COMPARE(QApplication::activeWindow(), window.data());
        QVERIFY(window->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(accessible(window)->role(), role);
        QCOMPARE(accessibleName(window), name);
        if (window == &frame)
            return;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window || !window->isVisible());
    }

    // The keyboard reaches what the mouse reaches: the menu through Alt+F and its access keys,
    // the detail view through Ctrl+D in the window that has the focus.
    void keyboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("activeWindow");
        QTest::addColumn<QString>("detailCaption");
        QTest::addRow("Alt+F then D") << "Alt+F D"
                                      << "Trayeko 2003"
                                      << "Tampilan Detail";
        QTest::addRow("Alt+F then F") << "Alt+F F"
                                      << "Metode Floid"
                                      << "Tampilan Detail";
        QTest::addRow("Alt+F then C") << "Alt+F C"
                                      << "Compare Multinode"
                                      << "Tampilan Detail";
        QTest::addRow("Ctrl+D opens the detail view") << "Ctrl+D"
                                                      << "Trayeko 2003"
                                                      << "Sembunyikan Detail";
        QTest::addRow("Ctrl+D again closes it") << "Ctrl+D Ctrl+D"
                                                << "Trayeko 2003"
                                                << "Tampilan Detail";
        QTest::addRow("Ctrl+D belongs to the Dijkstra window") << "Alt+F F Ctrl+D"
                                                               << "Metode Floid"
                                                               << "Tampilan Detail";
        QTest::addRow("back in the Dijkstra window") << "Alt+F F Alt+F D Ctrl+D"
                                                     << "Trayeko 2003"
                                                     << "Sembunyikan Detail";
    }
    void keyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, activeWindow);
        QFETCH(QString, detailCaption);
        MainWindow frame(fixedSources());
        QVERIFY(activate(frame));
        pressKeys(frame, keys);
        QVERIFY(!QApplication::activePopupWidget());
        QMdiSubWindow* active = frame.mdiArea()->activeSubWindow();
        QVERIFY(active);
        QCOMPARE(active->windowTitle(), activeWindow);
        auto* dijkstra = frame.findChild<DijkstraWindow*>();
        QCOMPARE(dijkstra->findChild<QLabel*>("lbltabel")->text(), detailCaption);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
