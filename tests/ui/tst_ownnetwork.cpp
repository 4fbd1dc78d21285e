#include "core/examplenetworks.h"
#include "core/networkfile.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/networklayout.h"
#include "ui/exercise/exercise.h"
#include "ui/main/mainwindow.h"
#include "ui/netedit/networkeditor.h"
#include "ui/ownnetwork/floydgrid.h"
#include "ui/ownnetwork/ownnetworks.h"
#include "ui/ownnetwork/ownnetworkwindow.h"
#include "ui/projector/projectorview.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/keyregistry.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPdfWriter>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <memory>

using namespace trayeko;
using namespace trayeko::ui;

Q_DECLARE_METATYPE(trayeko::ui::SaveAnswer)
Q_DECLARE_METATYPE(trayeko::NetworkDocument)

namespace {

// A network of @p nodes nodes placed on a line, with @p links.
NetworkDocument document(int nodes, std::vector<NetworkLink> links, int start = 1, int end = 0)
{
    Network network(nodes, links);
    for (int n = 1; n <= nodes; ++n)
        network.setNodePlace(n, 1000.0 * n, 500.0 * (n % 2));
    return {network, start, end > 0 ? end : nodes, "Contoh kelas", "Cari rute terpendek."};
}

// The frame with every dialog answered by the test: what was said, which file to open or save,
// what to do with unsaved changes.
struct Frame
{
    Frame()
    {
        FrameSources sources;
        sources.settings = [] { return std::unique_ptr<QSettings>(); };
        frame = std::make_unique<MainWindow>(sources);
        OwnNetworkSeams seams;
        seams.messageBox = [this](QWidget*, const QString&, const QString& text) {
            messages << text;
        };
        seams.openFileName = [this](QWidget*, const QString&, const QString&, const QString&) {
            return openName;
        };
        seams.saveFileName = [this](QWidget*, const QString&, const QString&, const QString&,
                                    QString*) {
            ++saveDialogs;
            return saveName;
        };
        seams.askSave = [this](QWidget*, const QString&, const QString& text) {
            questions << text;
            return answer;
        };
        seams.dateTime = [] { return QDateTime(QDate(2026, 3, 2), QTime(9, 30)); };
        own()->setSeams(seams);
        frame->show();
        frame->activateWindow();
        if (!QTest::qWaitForWindowActive(frame.get()))
            qFatal("the frame did not become active");
    }
    OwnNetworks* own() const { return frame->ownNetworks(); }
    OwnNetworkWindow* active() const { return own()->activeWindow(); }
    template <typename T> T* in(OwnNetworkWindow* w, const char* name) const
    {
        auto* child = w->findChild<T*>(QLatin1String(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }

    std::unique_ptr<MainWindow> frame;
    QStringList messages;
    QStringList questions;
    QString openName;
    QString saveName;
    int saveDialogs = 0;
    SaveAnswer answer = SaveAnswer::Cancel;
};

// Four nodes from node 2 to node 4; the direct link 2 -> 1 is longer than the way through 3.
NetworkDocument lessonDocument()
{
    return document(4, {{2, 1, 4}, {2, 3, 1}, {3, 1, 1}, {1, 4, 5}}, 2, 4);
}

// The links whose lines are drawn in another colour than the neutral one.
QList<int> colouredLinks(const DrawingModel& model)
{
    QList<int> links;
    for (int k = 1; k <= model.network().linkCount(); ++k)
        if (model.color(model.lineElements(k).value(0)) != neutralLineColor())
            links << k;
    return links;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class OwnNetworkTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void menuFollowsFile()
    {
        Frame f;
        const QList<QAction*> menus = f.frame->menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Jaringan"));
        QStringList entries;
        for (const QAction* a : f.own()->menu()->actions())
            if (!a->isSeparator())
                entries << a->text() + u' ' + a->shortcut().toString();
        QCOMPARE(entries, (QStringList{"Jaringan &baru Ctrl+N", "&Buka... Ctrl+O", "&Simpan Ctrl+S",
                                       "Simpan &sebagai... ", "&Tempel tabel ", "&Ekspor DOT... ",
                                       "&Contoh "}));
        // Saving needs a network window: the Dijkstra window the frame opens with has none.
        auto* save = f.frame->findChild<QAction*>(QStringLiteral("mnusimpan"));
        QVERIFY(!save->isEnabled());
        f.own()->newNetwork();
        QVERIFY(save->isEnabled());
        QCOMPARE(f.active()->windowTitle(), QStringLiteral("Jaringan Sendiri - Tanpa judul[*]"));
        auto* examples = f.frame->findChild<QMenu*>(QStringLiteral("mnucontoh"));
        QCOMPARE(examples->actions().size(), int(exampleNetworks().size()));
    }

    void accessKeysAreOwnedOnce()
    {
        // An access key used twice in the frame answers neither time.
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        QStringList keys;
        for (const QAction* menu : f.frame->menuBar()->actions())
            keys << QKeySequence::mnemonic(menu->text()).toString();
        for (const QLabel* label : w->findChildren<QLabel*>())
            if (label->buddy())
                keys << QKeySequence::mnemonic(label->text()).toString();
        for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
            keys << QKeySequence::mnemonic(button->text()).toString();
        keys.removeAll(QString());
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
        QVERIFY(keys.size() >= 6);
    }

    void fitsASmallScreen()
    {
        // A classroom laptop at twice the scale leaves the document area about 680 x 330: the
        // window stands whole inside it, its controls scrolling within, whether it was made
        // before the frame was laid out (a file on the command line) or after.
        Frame f;
        f.frame->resize(700, 420);
        QApplication::processEvents();
        auto* area = f.frame->findChild<QMdiArea*>();
        const QRect room = area->viewport()->rect();
        OwnNetworkWindow* w = f.own()->newNetwork();
        QTRY_VERIFY(room.contains(w->geometry()));
        QVERIFY(w->height() < 620);

        // Where the area has room, the lines a run adds (a warning, Bellman–Ford's cycle) and
        // the building exercise's verdict, read after every edit, make the window taller rather
        // than scroll.
        f.frame->resize(1366, 768);
        w->setDocument(exampleNetworks().back().document);
        auto* scroller = w->findChild<QScrollArea*>(QStringLiteral("ownNetworkScroller"));
        for (const auto& show : {std::function<void()>([w] { w->setBuildExercise(true); }),
                                 std::function<void()>([w] { w->run(); })}) {
            show();
            QTRY_COMPARE(scroller->verticalScrollBar()->maximum(), 0);
            QVERIFY(area->viewport()->rect().contains(w->geometry()));
        }
    }

    void runShowsRoutes_data()
    {
        QTest::addColumn<NetworkDocument>("doc");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QString>("floyd");
        // The route with more links is shorter: 1-2-3-4 (3) beats 1-4 (10).
        QTest::newRow("longer route shorter")
            << document(4, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}, {1, 4, 10}}) << "Total jarak = 3"
            << "Rute terpendek (Dijkstra): 1 \u2192 2 \u2192 3 \u2192 4"
            << QStringList{"jarak 0", "jarak 1", "jarak 2", "jarak 3"}
            << "Rute Floyd: 1 \u2192 2 \u2192 3 \u2192 4, jarak 3";
        // Links are one-way: node 3 only points back, so the end cannot be reached.
        QTest::newRow("end unreachable")
            << document(3, {{1, 2, 2.5}, {3, 2, 1}}) << "Total jarak = ~"
            << "Simpul 3 tidak terjangkau dari simpul 1."
            << QStringList{"jarak 0", "jarak 2.5", "tidak terjangkau"}
            << "Floyd: simpul 3 tidak terjangkau dari simpul 1.";
        // Another start and end than the first and last node.
        QTest::newRow("chosen ends")
            << document(4, {{2, 1, 4}, {2, 3, 1}, {3, 1, 1}}, 2, 1) << "Total jarak = 2"
            << "Rute terpendek (Dijkstra): 2 \u2192 3 \u2192 1"
            << QStringList{"jarak 2", "jarak 0", "jarak 1", "tidak terjangkau"}
            << "Rute Floyd: 2 \u2192 3 \u2192 1, jarak 2";
    }
    void runShowsRoutes()
    {
        QFETCH(NetworkDocument, doc);
        QFETCH(QString, total);
        QFETCH(QString, route);
        QFETCH(QStringList, marks);
        QFETCH(QString, floyd);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(doc);
        QSignalSpy finished(w, &LessonWindow::runFinished);
        // Enter in the drawing is the run button's.
        QTest::keyClick(static_cast<QWidget*>(w->drawing()), Qt::Key_Return);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(f.in<QLabel>(w, "lblTotal")->text(), total);
        QCOMPARE(f.in<QLabel>(w, "lblRute")->text(), route);
        QCOMPARE(f.in<QLabel>(w, "lblRuteFloyd")->text(), floyd);
        const StepMarks* shown = w->drawing()->model().layerMarks(DrawingLayer::Result);
        QVERIFY(shown);
        QStringList texts;
        for (int n = 1; n <= doc.network.nodeCount(); ++n)
            texts << shown->nodeText(n);
        QCOMPARE(texts, marks);
        // Every text beside a node is whole on the drawing, also at its right and top edges:
        // none of their pale fill touches the edge.
        const QImage picture = w->drawing()->grab().toImage();
        for (int y = 0; y < picture.height(); ++y)
            QVERIFY(picture.pixelColor(picture.width() - 1, y) != QColor(255, 255, 200));
        for (int x = 0; x < picture.width(); ++x)
            QVERIFY(picture.pixelColor(x, 0) != QColor(255, 255, 200));
        // An edit makes the result stale: it goes.
        w->setDocument(doc);
        QVERIFY(f.in<QLabel>(w, "lblTotal")->text().isEmpty());
        QVERIFY(!w->drawing()->model().hasLayer(DrawingLayer::Result));
    }

    void drawnNetworkFollowsTheUndoStack()
    {
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        NetworkEditor* editor = w->editor();
        QVERIFY(editor->addNodeAt({60, 60}));
        QVERIFY(editor->addNodeAt({220, 140}));
        QVERIFY(w->isWindowModified());
        QVERIFY(editor->beginLink(1, 2));
        QLineEdit* box = editor->weightEditor();
        QVERIFY(box);
        box->setText(QStringLiteral("3"));
        // Enter in the weight box keeps the weight; it is not the run button's.
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!editor->weightEditor());
        QCOMPARE(editor->network().weights(), std::vector<double>{3});
        auto* total = f.in<QLabel>(w, "lblTotal");
        QVERIFY(total->text().isEmpty());
        editor->selectNode(1);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(total->text(), QStringLiteral("Total jarak = 3"));
        // Undone to where it started, the network has nothing to save and closes unasked.
        while (editor->undoStack()->canUndo())
            editor->undoStack()->undo();
        QCOMPARE(editor->network().nodeCount(), 0);
        QVERIFY(total->text().isEmpty());
        QVERIFY(!w->isWindowModified());
        QVERIFY(w->close());
        QVERIFY(f.questions.isEmpty());
    }

    void floydGridsPerIteration()
    {
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(3, {{1, 2, 4}, {2, 3, 1}, {1, 3, 9}}));
        w->run();
        auto* chooser = f.in<QComboBox>(w, "cboIterasi");
        QCOMPARE(chooser->count(), 4); // the start and three iterations
        const auto* values =
            qobject_cast<FloydGridModel*>(f.in<QTableView>(w, "tblNilai")->model());
        const auto* nodes =
            qobject_cast<FloydGridModel*>(f.in<QTableView>(w, "tblSimpul")->model());
        struct Row
        {
            int k;
            QString d13, n13, d31;
            bool changed13;
        };
        // Only node 2 as intermediate shortens 1 -> 3 (4 + 1 < 9).
        for (const Row& r : {Row{0, "9", "3", "\u221e", false}, Row{1, "9", "3", "\u221e", false},
                             Row{2, "5", "2", "\u221e", true}, Row{3, "5", "2", "\u221e", false}}) {
            chooser->setCurrentIndex(r.k);
            QCOMPARE(values->cellText(1, 3), r.d13);
            QCOMPARE(nodes->cellText(1, 3), r.n13);
            QCOMPARE(values->cellText(3, 1), r.d31);
            QCOMPARE(values->changed(1, 3), r.changed13);
        }
        QCOMPARE(values->headerData(2, Qt::Horizontal, Qt::DisplayRole).toInt(), 3);
        chooser->setCurrentIndex(2);
        w->findChild<QAction*>(QStringLiteral("actSalinMatriks"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Iterasi 2\nNilai\n\t1\t2\t3\n1\t0\t4\t5\n2\t∞\t0\t1\n"
                                "3\t∞\t∞\t0\n\nSimpul\n\t1\t2\t3\n1\t1\t2\t2\n"
                                "2\t-\t2\t3\n3\t-\t-\t3\n"));
        const std::string csv = floydIterationsCsv(floydIterations(w->document().network), ".");
        QVERIFY(csv.find("Iterasi 2 - Nilai,1,2,3\r\n1,0,4,5\r\n") != std::string::npos);
    }

    void refusedWeights_data()
    {
        QTest::addColumn<NetworkDocument>("doc");
        QTest::addColumn<QString>("message");
        QTest::newRow("infinite")
            << document(2, {{1, 2, std::numeric_limits<double>::infinity()}})
            << "Bobot jalur 1 ke 2 bukan bilangan terhingga. Perbaiki bobotnya lalu proses lagi.";
        QTest::newRow("no nodes") << NetworkDocument{Network(0), 1, 0, {}, {}}
                                  << "Jaringan ini belum mempunyai simpul. Klik pada gambar untuk "
                                     "menambah simpul.";
    }
    void refusedWeights()
    {
        QFETCH(NetworkDocument, doc);
        QFETCH(QString, message);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(doc);
        QSignalSpy finished(w, &LessonWindow::runFinished);
        w->run();
        QCOMPARE(f.messages, QStringList{message});
        QCOMPARE(finished.size(), 0);
        QVERIFY(f.in<QLabel>(w, "lblTotal")->text().isEmpty());
    }

    // A negative weight no longer stops the run: Dijkstra runs as it is taught, under a
    // warning, with Bellman–Ford beside it; a negative cycle is named and drawn instead.
    void negativeWeightsRun_data()
    {
        QTest::addColumn<NetworkDocument>("doc");
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QString>("dijkstraRoute");
        QTest::addColumn<QString>("bellmanFord");
        QTest::addColumn<QList<int>>("drawnLinks");
        QTest::newRow("no negative weight")
            << lessonDocument() << false << "Rute terpendek (Dijkstra): 2 \u2192 3 \u2192 1 \u2192 4"
            << "Bellman\u2013Ford: total jarak = 7, rute 2 \u2192 3 \u2192 1 \u2192 4"
            << QList<int>{2, 3, 4};
        QTest::newRow("one negative link")
            << document(2, {{1, 2, -3}}) << true << "Rute terpendek (Dijkstra): 1 \u2192 2"
            << "Bellman\u2013Ford: total jarak = -3, rute 1 \u2192 2" << QList<int>{1};
        QTest::newRow("fixed too early") << exampleNetworks().at(4).document << true
                                         << "Rute terpendek (Dijkstra): 1 \u2192 2 \u2192 4 \u2192 5"
                                         << "Bellman\u2013Ford: total jarak = 6, rute 1 \u2192 3 "
                                            "\u2192 2 \u2192 4 \u2192 5"
                                         << QList<int>{1, 4, 5};
        QTest::newRow("negative cycle")
            << exampleNetworks().at(5).document << true
            << "Rute terpendek (Dijkstra): 1 \u2192 2 \u2192 3 \u2192 4 \u2192 5"
            << "Bellman\u2013Ford: Siklus negatif: 2 \u2192 3 \u2192 4 \u2192 2, total bobot -1. "
               "Tidak ada jarak terpendek: siklus ini dapat dilalui berulang kali."
            << QList<int>{2, 3, 4};
    }
    void negativeWeightsRun()
    {
        QFETCH(NetworkDocument, doc);
        QFETCH(bool, warned);
        QFETCH(QString, dijkstraRoute);
        QFETCH(QString, bellmanFord);
        QFETCH(QList<int>, drawnLinks);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(doc);
        QSignalSpy finished(w, &LessonWindow::runFinished);
        w->run();
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(finished.size(), 1);
        auto* warning = f.in<QLabel>(w, "lblPeringatan");
        QCOMPARE(warning->isVisibleTo(w), warned);
        QCOMPARE(warning->text().isEmpty(), !warned);
        QCOMPARE(f.in<QLabel>(w, "lblRute")->text(), dijkstraRoute);
        QCOMPARE(f.in<QLabel>(w, "lblBellmanFord")->text(), bellmanFord);
        QCOMPARE(colouredLinks(w->editor()->model()), drawnLinks);
        const bool cycle = bellmanFord.contains(QStringLiteral("Siklus"));
        QCOMPARE(w->editor()->model().description().startsWith(QStringLiteral("Siklus")), cycle);
        QCOMPARE(f.in<QLabel>(w, "lblRuteFloyd")->text().contains(QStringLiteral("siklus negatif")),
                 cycle);
        // An edit takes every result away, the warning with it.
        w->setLessonWeights(w->document().network.weights());
        QVERIFY(!warning->isVisibleTo(w) && f.in<QLabel>(w, "lblBellmanFord")->text().isEmpty());
    }

    // Ctrl+B lists both methods' distances; the nodes Dijkstra gets wrong are marked, and the
    // step where it went wrong is named.
    void compareWithBellmanFord_data()
    {
        QTest::addColumn<NetworkDocument>("doc");
        QTest::addColumn<QStringList>("differing");
        QTest::addColumn<QString>("said");
        QTest::newRow("no negative weight")
            << lessonDocument() << QStringList{}
            << "Dijkstra dan Bellman\u2013Ford memberi jarak yang sama untuk setiap simpul.";
        QTest::newRow("fixed too early")
            << exampleNetworks().at(4).document << QStringList{"2", "4", "5"}
            << "Langkah 2: Dijkstra menetapkan simpul 2 dengan jarak 2, padahal rute 1 \u2192 3 "
               "\u2192 2 lewat jalur negatif 3 \u2192 2 (bobot -4) hanya 1.";
        QTest::newRow("negative cycle")
            << exampleNetworks().at(5).document << QStringList{}
            << "Siklus negatif: 2 \u2192 3 \u2192 4 \u2192 2, total bobot -1: Bellman\u2013Ford "
               "tidak memberi jarak yang benar.";
    }
    void compareWithBellmanFord()
    {
        QFETCH(NetworkDocument, doc);
        QFETCH(QStringList, differing);
        QFETCH(QString, said);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(doc);
        auto* table = f.in<QTableWidget>(w, "tblBandingkan");
        QVERIFY(!table->isVisibleTo(w));
        w->editor()->setFocus();
        QTest::keyClick(w->editor(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(table->isVisibleTo(w));
        QCOMPARE(table->rowCount(), doc.network.nodeCount());
        QStringList marked;
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 3)->text() == QStringLiteral("berbeda"))
                marked << table->item(row, 0)->text();
        QCOMPARE(marked, differing);
        QCOMPARE(f.in<QLabel>(w, "lblKesalahanDijkstra")->text(), said);
        QVERIFY(keyTableMarkdown().contains(QStringLiteral("Bandingkan dengan Bellman")));
        QVERIFY(w->editor()->actions().contains(
            f.in<QAction>(w, "actBandingkanBellmanFord"))); // in the drawing's context menu
    }

    void saveAndOpenAgain_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("keepsAll"); // CSV keeps nodes and weights only
        QTest::newRow("json") << "kelas.trayeko.json" << true;
        QTest::newRow("graphml") << "kelas.graphml" << true;
        QTest::newRow("csv") << "kelas.csv" << false;
        QTest::newRow("suffix from the filter") << "kelas" << true;
    }
    void saveAndOpenAgain()
    {
        QFETCH(QString, name);
        QFETCH(bool, keepsAll);
        QTemporaryDir dir;
        Frame f;
        const NetworkDocument doc = document(3, {{1, 2, 2.5}, {2, 3, 4}, {3, 1, 1}});
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(doc);
        f.saveName = dir.filePath(name);
        QVERIFY(w->saveAs());
        const QString path = name.contains(u'.') ? f.saveName : f.saveName + ".trayeko.json";
        QCOMPARE(w->fileName(), path);
        QCOMPARE(w->windowTitle(), "Jaringan Sendiri - " + QFileInfo(path).fileName() + "[*]");
        QVERIFY(!w->isWindowModified());
        // Opening the file again brings its window forward.
        QCOMPARE(f.own()->openFile(path), w);
        QCOMPARE(f.own()->windows().size(), 1);
        // "&Simpan" writes the file's own format again without asking where.
        QTest::keyClicks(f.in<QLineEdit>(w, "txtJudul"), "!");
        QVERIFY(w->isWindowModified());
        QVERIFY(w->save());
        QCOMPARE(f.saveDialogs, 1);
        QVERIFY(!w->isWindowModified());
        w->close();
        QTRY_COMPARE(f.own()->windows().size(), 0);
        OwnNetworkWindow* again = f.own()->openFile(path);
        QVERIFY2(again, qPrintable(f.messages.join('\n')));
        const NetworkDocument read = again->document();
        QCOMPARE(read.network.weights(), doc.network.weights());
        QCOMPARE(read.network.nodeCount(), 3);
        if (keepsAll) {
            QCOMPARE(read.network, doc.network);
            QCOMPARE(read.title, doc.title + "!");
            QCOMPARE(read.note, doc.note);
        }
        QVERIFY(f.messages.isEmpty());
    }

    void placesGivenWhereAFileHasNone()
    {
        // As networkx writes a graph with weights and nothing else.
        const QByteArray graphml =
            "<?xml version='1.0' encoding='utf-8'?>\n"
            "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">"
            "<key id=\"d0\" for=\"edge\" attr.name=\"weight\" attr.type=\"double\" />"
            "<graph edgedefault=\"directed\"><node id=\"a\" /><node id=\"b\" /><node id=\"c\" />"
            "<edge source=\"a\" target=\"b\"><data key=\"d0\">2.5</data></edge>"
            "<edge source=\"b\" target=\"c\"><data key=\"d0\">1</data></edge>"
            "</graph></graphml>";
        QTemporaryDir dir;
        writeFile(dir.filePath("nx.graphml"), graphml);
        Frame f;
        OwnNetworkWindow* w = f.own()->openFile(dir.filePath("nx.graphml"));
        QVERIFY2(w, qPrintable(f.messages.join('\n')));
        const NetworkDocument doc = w->document();
        QCOMPARE(doc.network.nodeCount(), 3);
        for (int a = 1; a <= 3; ++a)
            for (int b = a + 1; b <= 3; ++b)
                QVERIFY(QLineF(doc.network.node(a).x, doc.network.node(a).y, doc.network.node(b).x,
                               doc.network.node(b).y)
                            .length() > 1000);
        // Placed, the network is not changed: nothing to save.
        QVERIFY(!w->isWindowModified());
        QCOMPARE(doc.network.nodeLabel(1), "a");
        QCOMPARE(doc.network.weights(), (std::vector<double>{2.5, 1}));
    }

    void failedSaveKeepsTheChanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("weight");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such folder") << "tidakada/kelas.trayeko.json" << 2.0
                                        << "Berkas \"kelas.trayeko.json\" tidak dapat disimpan: ";
        // The matrix would read the link back as none.
        QTest::newRow("weight 0 as CSV")
            << "kelas.csv" << 0.0
            << "Berkas \"kelas.csv\" tidak dapat disimpan: jalur 1 ke 2 berbobot 0, dan matriks "
               "CSV membaca 0 sebagai tidak ada jalur. Simpan sebagai JSON atau GraphML.";
        QTest::newRow("open in another window")
            << "terbuka.trayeko.json" << 2.0
            << "Berkas \"terbuka.trayeko.json\" tidak dapat disimpan: berkas itu terbuka di "
               "jendela Jaringan Sendiri yang lain.";
    }
    void failedSaveKeepsTheChanges()
    {
        QFETCH(QString, name);
        QFETCH(double, weight);
        QFETCH(QString, message);
        QTemporaryDir dir;
        Frame f;
        // Another window shows one file already.
        writeFile(dir.filePath("terbuka.trayeko.json"),
                  QByteArray::fromStdString(writeNetwork(lessonDocument(), NetworkFormat::Json)));
        QVERIFY(f.own()->openFile(dir.filePath("terbuka.trayeko.json")));
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(2, {{1, 2, weight}}));
        w->markUnsaved();
        f.saveName = dir.filePath(name);
        QVERIFY(!w->saveAs());
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].startsWith(message), qPrintable(f.messages[0]));
        QVERIFY(!QFile::exists(f.saveName) || f.saveName.endsWith("terbuka.trayeko.json"));
        // Still unsaved, still asked about, still without a file of its own.
        QVERIFY(w->isWindowModified());
        QVERIFY(w->fileName().isEmpty());
    }

    void dotExportKeepsTheWindowsFile()
    {
        QTemporaryDir dir;
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(2, {{1, 2, 3}}), dir.filePath("kelas.trayeko.json"),
                       NetworkFormat::Json);
        f.saveName = dir.filePath("kelas"); // the suffix is added
        f.frame->findChild<QAction*>(QStringLiteral("mnueksporDot"))->trigger();
        QFile dot(dir.filePath("kelas.dot"));
        QVERIFY(dot.open(QIODevice::ReadOnly));
        QVERIFY(dot.readAll().startsWith("digraph"));
        QCOMPARE(w->fileName(), dir.filePath("kelas.trayeko.json"));
        QCOMPARE(w->fileFormat(), NetworkFormat::Json);
    }

    void badFileRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("start");
        QTest::newRow("truncated") << "rusak.trayeko.json" << QByteArray("{\"format\":\"tray")
                                   << "Berkas \"rusak.trayeko.json\" tidak dapat dibuka: ";
        QTest::newRow("binary") << "gambar.graphml" << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                                << "Berkas \"gambar.graphml\" tidak dapat dibuka: ";
        QTest::newRow("unknown type") << "jaringan.pdf" << QByteArray("%PDF")
                                      << "Berkas \"jaringan.pdf\" tidak dapat dibuka: jenis berkas "
                                         "tidak dikenal";
        QTest::newRow("DOT is export only") << "peta.dot" << QByteArray("digraph { 1 -> 2 }")
                                            << "Berkas \"peta.dot\" tidak dapat dibuka: ";
        QTest::newRow("missing") << "" << QByteArray()
                                 << "Berkas \"hilang.trayeko.json\" tidak dapat dibuka: ";
    }
    void badFileRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, start);
        QTemporaryDir dir;
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        const NetworkDocument doc = document(2, {{1, 2, 7}});
        w->setDocument(doc);
        const QString path = dir.filePath(name.isEmpty() ? "hilang.trayeko.json" : name);
        if (!name.isEmpty())
            writeFile(path, content);
        f.openName = path;
        f.own()->open();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].startsWith(start), qPrintable(f.messages[0]));
        QVERIFY(f.messages[0].size() > start.size());
        QCOMPARE(f.own()->windows().size(), 1);
        QCOMPARE(f.active(), w);
        QCOMPARE(w->document(), doc);
    }

    void closeAsks_data()
    {
        QTest::addColumn<SaveAnswer>("answer");
        QTest::addColumn<bool>("wholeProgram");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        for (const bool program : {false, true}) {
            const char* where = program ? "program" : "window";
            QTest::addRow("%s: Simpan", where) << SaveAnswer::Save << program << true << true;
            QTest::addRow("%s: Jangan simpan", where)
                << SaveAnswer::Discard << program << true << false;
            QTest::addRow("%s: Batal", where) << SaveAnswer::Cancel << program << false << false;
        }
    }
    void closeAsks()
    {
        QFETCH(SaveAnswer, answer);
        QFETCH(bool, wholeProgram);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        QTemporaryDir dir;
        Frame f;
        f.answer = answer;
        f.saveName = dir.filePath("baru.trayeko.json");
        OwnNetworkWindow* saved = f.own()->openExample(0);
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(2, {{1, 2, 7}}));
        QTest::keyClicks(f.in<QLineEdit>(w, "txtJudul"), "x");
        QPointer<OwnNetworkWindow> watched(w);
        const bool closed = wholeProgram ? f.frame->close() : w->close();
        // One question, for the one window with changes; the example was never changed.
        QCOMPARE(f.questions, QStringList{"Jaringan \"Tanpa judul\" telah diubah.\n"
                                          "Simpan perubahannya?"});
        QCOMPARE(closed, closes);
        QCOMPARE(QFile::exists(f.saveName), written);
        if (!closed) {
            QVERIFY(watched && watched->isVisible() && watched->isWindowModified());
            QVERIFY(f.frame->isVisible());
            QVERIFY(saved->isVisible());
        }
    }

    void lessonsOnTheNetwork_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<QList<int>>("pivots");
        // From node 2: node 3 (1) is fixed first, then 1 (1 + 1 rather than 4), then 4 (2 + 5).
        QTest::newRow("Dijkstra") << int(ExerciseMethod::Dijkstra) << QList<int>{2, 3, 1, 4};
        QTest::newRow("Floyd") << int(ExerciseMethod::Floyd) << QList<int>{1, 2, 3, 4};
        // The start, the pass that finds every distance, and the pass that changes nothing.
        QTest::newRow("Bellman-Ford") << int(ExerciseMethod::BellmanFord) << QList<int>{0, 0, 0};
    }
    void lessonsOnTheNetwork()
    {
        QFETCH(int, method);
        QFETCH(QList<int>, pivots);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(lessonDocument());
        w->run();
        f.in<QComboBox>(w, "cboMetode")->setCurrentIndex(method);
        QCOMPARE(int(w->lessonMethod()), method);
        QCOMPARE(w->findChild<QAction*>(QStringLiteral("actPelajaranBellmanFord"))->isChecked(),
                 method == int(ExerciseMethod::BellmanFord));
        QCOMPARE(qobject_cast<BellmanFordExercise*>(w->exercise()) != nullptr,
                 method == int(ExerciseMethod::BellmanFord));
        QWidget* drawing = w->drawing();
        QTest::keyClick(drawing, Qt::Key_F10);
        StepMode* steps = w->stepMode();
        QVERIFY(steps->isActive());
        QVERIFY(f.frame->lessonDock()->isVisible());
        QVERIFY(!w->editor()->isEditable());
        const DrawingModel& model = w->drawing()->model();
        QList<int> shown;
        for (int i = 0; i < steps->stepCount(); ++i) {
            steps->showStep(i);
            QCOMPARE(model.marks().nodeTexts.size(), size_t(4));
            shown << model.marks().pivotNode;
        }
        QCOMPARE(shown, pivots);
        // F11 lends the window to the projector view and gives it back, the lesson running on.
        auto* projector = f.frame->findChild<ProjectorView*>(QStringLiteral("projectorView"));
        projector->setSeams({[] { return QSize(1366, 768); }, false});
        QWidget* client = w->widget();
        w->findChild<QAction*>(QStringLiteral("projectorAction"))->trigger();
        QCOMPARE(projector->shownWindow(), w);
        projector->leave();
        QCOMPARE(w->widget(), client);
        QVERIFY(steps->isActive());
        steps->leave();
        QVERIFY(w->editor()->isEditable());
        // The run's distances are under the lesson and come back with it gone.
        QCOMPARE(model.marks().nodeText(4), QStringLiteral("jarak 7"));
    }

    void dijkstraLessonNamesItsMistake()
    {
        // On negative weights Dijkstra's lesson runs as the method works and names the step
        // that fixed a node too early; the other steps say nothing of it.
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(exampleNetworks().at(4).document);
        QTest::keyClick(static_cast<QWidget*>(w->drawing()), Qt::Key_F10);
        StepMode* steps = w->stepMode();
        QVERIFY(steps->isActive());
        QVERIFY(f.messages.isEmpty());
        QStringList wrong;
        for (int i = 0; i < steps->stepCount(); ++i)
            if (steps->lesson().frames[size_t(i)].explanation.contains(u"Di sini Dijkstra salah"))
                wrong << steps->lesson().frames[size_t(i)].explanation.section(u'\n', 1);
        QCOMPARE(wrong, QStringList{"Di sini Dijkstra salah. Langkah 2: Dijkstra menetapkan simpul 2 "
                                    "dengan jarak 2, padahal rute 1 \u2192 3 \u2192 2 lewat jalur "
                                    "negatif 3 \u2192 2 (bobot -4) hanya 1."});
    }

    void buildExerciseChecksEveryEdit_data()
    {
        QTest::addColumn<QString>("weight"); // typed for link 3 -> 2
        QTest::addColumn<QString>("verdict");
        QTest::newRow("all weights at least 0")
            << "1" << "Tidak memenuhi: semua bobot 0 atau lebih";
        QTest::newRow("Dijkstra goes wrong")
            << "-4" << "Memenuhi: tanpa siklus negatif, Dijkstra dan Bellman\u2013Ford berbeda pada "
                       "simpul 2 (Dijkstra 2, Bellman\u2013Ford 1).";
        QTest::newRow("negative cycle") << "-9" << "Tidak memenuhi: ada siklus negatif";
    }
    void buildExerciseChecksEveryEdit()
    {
        // Each edit of the student's network is checked at once, the verdict with its numbers.
        QFETCH(QString, weight);
        QFETCH(QString, verdict);
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(3, {{1, 2, 2}, {1, 3, 5}, {3, 2, 1}, {2, 3, 5}}));
        QTest::keyClick(static_cast<QWidget*>(w->drawing()), Qt::Key_J,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(w->isBuildExercise());
        auto* check = f.in<QLabel>(w, "lblLatihanBuat");
        QVERIFY(check->isVisibleTo(w));
        QVERIFY(w->editor()->beginWeightEdit(3));
        w->editor()->weightEditor()->setText(weight);
        QTest::keyClick(w->editor()->weightEditor(), Qt::Key_Return);
        QVERIFY2(check->text().section(u'\n', 1).startsWith(verdict), qPrintable(check->text()));
        w->setBuildExercise(false);
        QVERIFY(!check->isVisibleTo(w));
    }

    void buildExerciseSummaryHandedIn_data()
    {
        QTest::addColumn<QString>("file"); // the name chosen in the file dialog; empty: printed
        QTest::addColumn<QByteArray>("begins");
        QTest::newRow("PDF") << "ringkasan.pdf" << QByteArray("%PDF");
        QTest::newRow("text") << "ringkasan.txt"
                              << QByteArray("Latihan: buat jaringan\nNama siswa: Ani\n"
                                            "Tanggal: 2026-03-02 09:30\nJaringan: Contoh kelas\n");
        QTest::newRow("printed") << "" << QByteArray("%PDF");
    }
    void buildExerciseSummaryHandedIn()
    {
        // The student's summary leaves by its keys through the window's file dialog and printer.
        QFETCH(QString, file);
        QFETCH(QByteArray, begins);
        QTemporaryDir dir;
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(document(3, {{1, 2, 2}, {1, 3, 5}, {3, 2, -4}}));
        setStudentName(QStringLiteral("Ani"));
        auto* drawing = static_cast<QWidget*>(w->drawing());
        ClassroomSeams seams;
        seams.saveFileName = [&](QWidget*, const QString&, const QString&, const QString&,
                                 QString*) { return dir.filePath(file); };
        seams.messageBox = [&f](QWidget*, const QString&, const QString& text) {
            f.messages << text;
        };
        int printed = 0;
        seams.printPreview = [&](QWidget*, const PrintRequest& request) {
            QPdfWriter printer(dir.filePath(QStringLiteral("cetak.pdf")));
            printed = request.print(printer, false);
        };
        w->findChild<ClassroomActions*>(QStringLiteral("classroomActions"))->setSeams(seams);
        const QString written = dir.filePath(file.isEmpty() ? QStringLiteral("cetak.pdf") : file);
        const Qt::Key key = file.isEmpty() ? Qt::Key_P : Qt::Key_R;
        // Nothing to hand in before the exercise starts.
        QTest::keyClick(drawing, key, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!QFile::exists(written));

        QTest::keyClick(drawing, Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(drawing, key, Qt::ControlModifier | Qt::ShiftModifier);
        QFile out(written);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray bytes = out.readAll();
        QVERIFY2(bytes.startsWith(begins), bytes.left(200).constData());
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(printed > 0, file.isEmpty());
        const QString summary = w->buildSummary();
        if (file.endsWith(u".txt"))
            QCOMPARE(QString::fromUtf8(bytes), summary);
        QVERIFY2(summary.contains(u"\n3 \u2192 2: -4\n") &&
                     summary.contains(u"\nDi sini Dijkstra salah: Langkah 2: "),
                 qPrintable(summary));
        setStudentName({});

        // New weights from anywhere are checked at once, and the summary follows them.
        w->setLessonWeights({2, 5, 1});
        QVERIFY2(f.in<QLabel>(w, "lblLatihanBuat")->text().contains(u"semua bobot 0 atau lebih"),
                 qPrintable(f.in<QLabel>(w, "lblLatihanBuat")->text()));
        QVERIFY(w->buildSummary().contains(u"\nNama siswa: (tidak diisi)\n"));
        QVERIFY(!w->buildSummary().contains(u"Dijkstra salah"));
        w->setBuildExercise(false);
        QVERIFY(w->buildSummary().isEmpty());
        QVERIFY(!w->findChild<QAction*>(QStringLiteral("actSimpanRingkasanBuat"))->isEnabled());
    }

    void exercisesOnTheNetwork()
    {
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(lessonDocument());
        w->run();
        auto* total = f.in<QLabel>(w, "lblTotal");
        QCOMPARE(total->text(), QStringLiteral("Total jarak = 7"));
        QTest::keyClick(static_cast<QWidget*>(w->drawing()), Qt::Key_F9);
        auto* dijkstra = qobject_cast<DijkstraExercise*>(w->exercise());
        QVERIFY(dijkstra && dijkstra->isActive());
        // The result would give the answers away, and the network stays as it is meanwhile.
        QVERIFY(total->text().isEmpty());
        QVERIFY(!w->editor()->isEditable());
        QVERIFY(f.frame->lessonDock()->isVisible());
        // The comparison of both methods would give them away as well.
        QVERIFY(!w->compareWithBellmanFord());
        QVERIFY(!f.in<QTableWidget>(w, "tblBandingkan")->isVisibleTo(w));
        for (const auto& [node, distance] :
             {std::pair{"2", "0"}, {"3", "1"}, {"1", "2"}, {"4", "7"}})
            dijkstra->answer(node, distance);
        QVERIFY(dijkstra->isFinished());
        QVERIFY2(dijkstra->scoreText().startsWith("Skor: 4 dari 4"),
                 qPrintable(dijkstra->scoreText()));
        dijkstra->leave();
        QCOMPARE(total->text(), QStringLiteral("Total jarak = 7"));
        QVERIFY(w->editor()->isEditable());

        // Floyd's exercise instead, from the drawing's context menu; the panel follows it.
        w->findChild<QAction*>(QStringLiteral("actPelajaranFloyd"))->trigger();
        QCOMPARE(f.in<QComboBox>(w, "cboMetode")->currentIndex(), 1);
        auto* floyd = qobject_cast<FloydExercise*>(w->exercise());
        QVERIFY(floyd);
        QTest::keyClick(static_cast<QWidget*>(w->drawing()), Qt::Key_F9);
        QVERIFY(floyd->isActive());
        QVERIFY(f.frame->lessonDock()->isVisible());
        // Through node 1: 2 -> 4 becomes 4 + 5, 3 -> 4 becomes 1 + 5; one of them typed wrong.
        QVERIFY(floyd->check({{2, 4, "9"}, {3, 4, "5"}}));
        QVERIFY2(floyd->scoreText().startsWith("Skor: 1 dari 2"), qPrintable(floyd->scoreText()));
        // Closing the window ends the exercise with it.
        QPointer<Exercise> watched(floyd);
        QVERIFY(w->close());
        QTRY_VERIFY(!watched);
    }

    void newExerciseReplacesTheWeights()
    {
        Frame f;
        OwnNetworkWindow* w = f.own()->newNetwork();
        w->setDocument(lessonDocument());
        const std::vector<double> opened = w->document().network.weights();
        ExerciseSeams seams;
        seams.newSeed = [] { return 7; };
        seams.messageBox = [&f](QWidget*, const QString&, const QString& text) {
            f.messages << text;
        };
        w->exercise()->setSeams(seams);
        w->exercise()->newExercise();
        QVERIFY2(w->exercise()->isActive(), qPrintable(f.messages.join('\n')));
        QCOMPARE(w->document().network.linkCount(), 4);
        QVERIFY(w->document().network.weights() != opened);
        QVERIFY(w->isWindowModified());
        // "Bobot awal": the weights the file came with, and nothing left to save.
        w->exercise()->restoreDefaultWeights();
        QCOMPARE(w->document().network.weights(), opened);
        QVERIFY(!w->isWindowModified());
    }

    void examplesOpen()
    {
        Frame f;
        const std::vector<ExampleNetwork> shipped = exampleNetworks();
        for (int i = 0; i < int(shipped.size()); ++i) {
            f.frame->findChild<QAction*>(QStringLiteral("mnucontoh%1").arg(i + 1))->trigger();
            OwnNetworkWindow* w = f.active();
            QVERIFY(w);
            QCOMPARE(w->document(), shipped[size_t(i)].document);
            QVERIFY(!w->isWindowModified());
            w->run();
            QVERIFY(f.in<QLabel>(w, "lblTotal")->text().startsWith("Total jarak = "));
        }
        QCOMPARE(f.own()->windows().size(), int(shipped.size()));
        QVERIFY(f.messages.isEmpty());
    }

    void filesOnTheCommandLine()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath("baik.trayeko.json");
        writeFile(good, QByteArray::fromStdString(
                            writeNetwork(document(2, {{1, 2, 3}}), NetworkFormat::Json)));
        Frame f;
        f.frame->openNetworkFiles({dir.filePath("tidakada.trayeko.json"), good});
        QCOMPARE(f.own()->windows().size(), 1);
        QCOMPARE(f.active()->fileName(), good);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains("tidakada.trayeko.json"));
        f.active()->close();

        // Dropped from a file manager: the network files open, anything else is passed by.
        QMimeData dropped;
        dropped.setUrls(
            {QUrl::fromLocalFile(dir.filePath("catatan.pdf")), QUrl::fromLocalFile(good)});
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.frame.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop({10, 10}, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.frame.get(), &drop);
        QTRY_COMPARE(f.own()->windows().size(), 1);
        QCOMPARE(f.active()->fileName(), good);
        QCOMPARE(f.messages.size(), 1);
    }

    void pastedTable()
    {
        Frame f;
        QGuiApplication::clipboard()->setText(QStringLiteral("0\t3\t\n\t0\t2,5\n1\t\t0\n"));
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        OwnNetworkWindow* w = f.own()->pasteTable();
        QVERIFY2(w, qPrintable(f.messages.join('\n')));
        QCOMPARE(w->document().network.nodeCount(), 3);
        QCOMPARE(w->document().network.weights(), (std::vector<double>{3, 2.5, 1}));
        // A table has no places: the nodes stand apart all the same.
        const auto& nodes = w->document().network.nodes();
        QVERIFY(nodes[0].x != nodes[1].x || nodes[0].y != nodes[1].y);
        QVERIFY(nodes[1].x != nodes[2].x || nodes[1].y != nodes[2].y);
        // Nothing but the window holds it yet.
        QVERIFY(w->isWindowModified());
        QGuiApplication::clipboard()->setText(QStringLiteral("bukan tabel"));
        QVERIFY(!f.own()->pasteTable());
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.own()->windows().size(), 1);
    }
};

QTEST_MAIN(OwnNetworkTest)
#include "tst_ownnetwork.moc"
