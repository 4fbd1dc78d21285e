#include "core/numbertext.h"
#include "ui/drawing/networkcanvas.h"
#include "ui/drawing/networklayout.h"
#include "ui/netedit/networkeditor.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QUndoStack>
#include <QtTest>

using namespace trayeko;
using namespace trayeko::ui;
using trayeko::NetworkDocument;

class Tst_networkeditor final : public QObject
{
    Q_OBJECT

private slots:
    void canvasPlacesAndFindsEveryElement_data();
    void canvasPlacesAndFindsEveryElement();
    void canvasReadsEveryElementToAScreenReader();
    void drawsANetworkByMouse();
    void drawsANetworkByKeyboard();
    void undoesAndRedoesEveryKindOfEdit_data();
    void undoesAndRedoesEveryKindOfEdit();
    void readsOrRefusesATypedWeight_data();
    void readsOrRefusesATypedWeight();
    void saysWhyNoMoreNodesFit();
    void placesNodesWithGraphviz_data();
    void placesNodesWithGraphviz();
};

namespace {

// Four named nodes on a plane of their own units, one pair of opposite links among them.
Network square()
{
    Network network;
    network.addNode("Pasar", 100, 100);
    network.addNode("", 300, 100);
    network.addNode("Sekolah", 300, 250);
    network.addNode("", 100, 250);
    network.addLink(1, 2, 4);
    network.addLink(2, 1, 2.5);
    network.addLink(2, 3, 7);
    network.addLink(4, 3, -1);
    return network;
}

QImage picture(QWidget& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// The nodes (names between bars), the ends and the links of a document, compactly.
QString describe(const NetworkEditor& editor)
{
    QStringList names, links;
    for (const NetworkNode& n : editor.network().nodes())
        names << QString::fromStdString(n.name);
    for (const NetworkLink& l : editor.network().links())
        links << QStringLiteral("%1>%2=%3").arg(l.from).arg(l.to).arg(l.weight);
    return QStringLiteral("|%1| %2-%3 %4")
        .arg(names.join('|'))
        .arg(editor.start())
        .arg(editor.end())
        .arg(links.join(' '));
}

// An editor in a window of its own, active, with the dialogs answered by the test.
struct Opened
{
    QWidget window;
    NetworkEditor* editor = new NetworkEditor(&window);
    QLineEdit* after = new QLineEdit(&window); // where Tab goes on from the drawing
    QStringList messages;
    QStringList typed; // the answers of the text input, first first

    Opened()
    {
        editor->setGeometry(0, 0, 600, 450);
        after->setGeometry(0, 460, 100, 24);
        window.resize(600, 490);
        EditorSeams seams;
        seams.messageBox = [this](QWidget*, const QString&, const QString& text) {
            messages << text;
        };
        seams.textInput = [this](QWidget*, const QString&, const QString&) {
            return typed.isEmpty() ? std::nullopt : std::optional<QString>(typed.takeFirst());
        };
        seams.layoutRunner = [](const QByteArray&, QString* error) {
            *error = "no Graphviz in this test";
            return std::optional<QByteArray>();
        };
        editor->setSeams(seams);
        window.show();
        QApplication::setActiveWindow(&window);
        editor->setFocus();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
    QAction* action(const char* name) { return editor->findChild<QAction*>(name); }
    void drag(QPointF from, QPointF to)
    {
        QTest::mousePress(editor, Qt::LeftButton, {}, from.toPoint());
        QMouseEvent move(QEvent::MouseMove, to, editor->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(editor, &move);
        QTest::mouseRelease(editor, Qt::LeftButton, {}, to.toPoint());
    }
    void typeWeight(const QString& text, Qt::Key key = Qt::Key_Return)
    {
        QLineEdit* box = editor->weightEditor();
        QVERIFY(box && box->isVisible());
        box->clear();
        box->insert(text);
        QTest::keyClick(box, key);
    }
};

} // namespace

void Tst_networkeditor::canvasPlacesAndFindsEveryElement_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("wide") << QSize(640, 400);
    QTest::newRow("tall") << QSize(320, 700);
    QTest::newRow("small") << QSize(300, 260);
}

void Tst_networkeditor::canvasPlacesAndFindsEveryElement()
{
    QFETCH(QSize, size);
    NetworkCanvas canvas;
    canvas.model().setNetwork(square(), 1, 3);
    canvas.resize(size);
    const Network& network = canvas.model().network();
    QSignalSpy clicked(&canvas, &DrawingWidget::nodeClicked);
    for (int node = 1; node <= network.nodeCount(); ++node) {
        const QRectF circle = canvas.nodeRect(node);
        QVERIFY(QRectF(canvas.rect()).contains(circle));
        QCOMPARE(canvas.nodeAt(circle.center()), node);
        const QPointF back = canvas.toNetwork(circle.center());
        QVERIFY(std::abs(back.x() - network.node(node).x) < 1e-6);
        QVERIFY(std::abs(back.y() - network.node(node).y) < 1e-6);
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, circle.center().toPoint());
        QCOMPARE(clicked.takeFirst().value(0).toInt(), node);
    }
    // Kept proportions: the square's sides are 200 and 150 units.
    const qreal across = canvas.nodeRect(2).center().x() - canvas.nodeRect(1).center().x();
    const qreal down = canvas.nodeRect(4).center().y() - canvas.nodeRect(1).center().y();
    QVERIFY(std::abs(across / down - 200.0 / 150.0) < 1e-6);
    for (int link = 1; link <= network.linkCount(); ++link) {
        QCOMPARE(canvas.linkAt(canvas.weightBoxRect(link).center()), link);
        QCOMPARE(canvas.linkAt(canvas.linkLine(link).pointAt(0.25)), link);
    }
    // The opposite links 1 and 2: two arrows apart, their boxes apart.
    QVERIFY(!canvas.weightBoxRect(1).intersects(canvas.weightBoxRect(2)));
    QVERIFY(std::abs(canvas.linkLine(1).p1().y() - canvas.linkLine(2).p2().y()) > 6);
    QCOMPARE(canvas.nodeAt(canvas.rect().topLeft() + QPointF(2, 2)), 0);
    QCOMPARE(canvas.linkAt(canvas.rect().topLeft() + QPointF(2, 2)), 0);
    clicked.clear();
    QTest::mouseClick(&canvas, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(clicked.size(), 0);

    // The run's result in the program's colours; the marks over it, gone with their layer.
    const QImage plain = picture(canvas);
    QCOMPARE(pixelsOf(plain, routeColor()), 0);
    QVERIFY(pixelsOf(plain, routeNodeColor()) > 50); // the start and the end
    canvas.model().showResult({{2}, {1, 3}, routeColor(), routeColor(), {}, {}});
    const QImage result = picture(canvas);
    QVERIFY(pixelsOf(result, routeColor()) > 100);
    StepMarks marks(4);
    marks.nodeTexts[1] = "4";
    marks.pivotNode = 2;
    canvas.model().setLayer(DrawingLayer::Steps, {}, marks);
    QVERIFY(pixelsOf(picture(canvas), StepMarks::pivotColour()) > 20);
    canvas.model().clearLayer(DrawingLayer::Steps);
    QCOMPARE(picture(canvas), result);
}

void Tst_networkeditor::canvasReadsEveryElementToAScreenReader()
{
    NetworkCanvas canvas;
    canvas.model().setNetwork(square(), 1, 3);
    canvas.resize(500, 400);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&canvas);
    QCOMPARE(iface->childCount(), 8);
    const QStringList names{"Simpul 1 (Pasar)", "Simpul 2", "Simpul 3 (Sekolah)", "Simpul 4",
                            "Jalur 1 ke 2, bobot 4", "Jalur 2 ke 1, bobot 2.5",
                            "Jalur 2 ke 3, bobot 7", "Jalur 4 ke 3, bobot -1"};
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        QCOMPARE(child->text(QAccessible::Name), names[i]);
        const QRect local(canvas.mapFromGlobal(child->rect().topLeft()), child->rect().size());
        QVERIFY(canvas.rect().contains(local));
        if (i < 4)
            QCOMPARE(iface->childAt(child->rect().center().x(), child->rect().center().y()), child);
    }
    QCOMPARE(iface->child(0)->text(QAccessible::Description),
             QStringLiteral("simpul awal, disorot"));
    QCOMPARE(iface->child(2)->text(QAccessible::Description),
             QStringLiteral("simpul tujuan, disorot"));
}

void Tst_networkeditor::drawsANetworkByMouse()
{
    Opened w;
    QVERIFY(w.active());
    NetworkEditor& e = *w.editor;
    QSignalSpy edited(&e, &NetworkEditor::networkEdited);
    const QList<QPoint> clicks{{100, 100}, {450, 120}, {300, 350}};
    for (const QPoint& p : clicks)
        QTest::mouseClick(&e, Qt::LeftButton, {}, p);
    QCOMPARE(e.network().nodeCount(), 3);
    for (int n = 1; n <= 3; ++n) // each where it was clicked, nothing moved by the others
        QVERIFY(QLineF(e.nodeRect(n).center(), clicks[n - 1]).length() < 1);

    w.drag(e.nodeRect(1).center(), e.nodeRect(2).center());
    w.typeWeight("2.5");
    w.drag(e.nodeRect(2).center(), e.nodeRect(1).center());
    w.typeWeight("9", Qt::Key_Escape); // the new link taken back
    QVERIFY(!e.weightEditor());
    w.drag(e.nodeRect(2).center(), e.nodeRect(3).center());
    w.typeWeight("4");
    QTest::mouseDClick(&e, Qt::LeftButton, {}, e.weightBoxRect(2).center().toPoint());
    w.typeWeight("-1");
    w.drag(e.nodeRect(3).center(), QPointF(500, 400)); // onto empty space: a move
    QVERIFY(QLineF(e.nodeRect(3).center(), QPointF(500, 400)).length() < 1);
    QTest::mouseClick(&e, Qt::LeftButton, {}, e.weightBoxRect(1).center().toPoint());
    QCOMPARE(e.selectedLink(), 1);
    QTest::keyClick(&e, Qt::Key_Delete);
    QCOMPARE(describe(e), "|||| 1-3 2>3=-1");
    QCOMPARE(w.messages, QStringList());
    QCOMPARE(e.undoStack()->count(), 8);
    QCOMPARE(edited.size(), 8);
    QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(describe(e), "|||| 1-3 1>2=2.5 2>3=-1");
    QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(describe(e), "|||| 1-3 2>3=-1");
    // An undo from elsewhere while a new link's weight is typed takes the link back too.
    QVERIFY(e.beginLink(3, 1));
    e.undoStack()->undo();
    QVERIFY(!e.weightEditor());
    QCOMPARE(describe(e), "|||| 1-3 1>2=2.5 2>3=-1");
}

void Tst_networkeditor::drawsANetworkByKeyboard()
{
    Opened w;
    QVERIFY(w.active());
    NetworkEditor& e = *w.editor;
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&e, Qt::Key_Insert);
    QCOMPARE(e.network().nodeCount(), 3);
    QVERIFY(e.nodeRect(1).center() != e.nodeRect(2).center());
    QCOMPARE(e.selectedNode(), 3);
    QTest::keyClick(&e, Qt::Key_Left);
    QTest::keyClick(&e, Qt::Key_Left);
    QCOMPARE(e.selectedNode(), 1);
    w.typed << "3";
    QTest::keyClick(&e, Qt::Key_L);
    w.typeWeight("5");
    QCOMPARE(e.selectedLink(), 1);
    QTest::keyClick(&e, Qt::Key_Return); // the selected link's weight once more
    w.typeWeight("6");
    QTest::keyClick(&e, Qt::Key_Left); // node 3
    w.typed << "Pasar\nbaru";
    QTest::keyClick(&e, Qt::Key_F2);
    const QPointF before = e.nodeRect(3).center();
    QTest::keyClick(&e, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(e.nodeRect(3).center(), before + QPointF(10, 0));
    w.action("actSimpulAkhir")->trigger();
    QCOMPARE(describe(e), "|||Pasar baru| 1-3 1>3=6");
    QCOMPARE(w.messages, QStringList());

    // Tab goes through every element, then leaves the drawing; a screen reader hears each.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&e);
    QVERIFY(iface->child(2)->state().focused);
    QTest::keyClick(&e, Qt::Key_Tab);
    QCOMPARE(e.selectedLink(), 1);
    QVERIFY(iface->child(3)->state().focused && !iface->child(2)->state().focused);
    QTest::keyClick(&e, Qt::Key_Tab);
    QVERIFY(w.after->hasFocus());
    QCOMPARE(e.focusElement(), -1);
    QTest::keyClick(w.after, Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(e.hasFocus());
    QCOMPARE(e.selectedLink(), 1);
    QTest::keyClick(&e, Qt::Key_Delete);
    QCOMPARE(describe(e), "|||Pasar baru| 1-3 ");

    // A link from a node that is none, or to itself, is refused with its reason.
    e.selectNode(2);
    w.typed << "7" << "2";
    QTest::keyClick(&e, Qt::Key_L);
    QTest::keyClick(&e, Qt::Key_L);
    QCOMPARE(w.messages.size(), 2);
    QVERIFY(w.messages[0].contains("1 sampai 3"));
    QCOMPARE(e.network().linkCount(), 0);
}

void Tst_networkeditor::undoesAndRedoesEveryKindOfEdit_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("after");
    const QString unchanged = "|Pasar||Sekolah|| 1-3 1>2=4 2>1=2.5 2>3=7 4>3=-1";
    QTest::newRow("add node") << "node" << "|Pasar||Sekolah||| 1-3 1>2=4 2>1=2.5 2>3=7 4>3=-1";
    QTest::newRow("add link") << "link" << unchanged + " 4>1=3";
    QTest::newRow("weight") << "weight" << "|Pasar||Sekolah|| 1-3 1>2=4 2>1=2.5 2>3=3 4>3=-1";
    QTest::newRow("move") << "move" << unchanged;
    QTest::newRow("remove node 2") << "remove node" << "|Pasar|Sekolah|| 1-2 3>2=-1";
    QTest::newRow("remove link 2") << "remove link" << "|Pasar||Sekolah|| 1-3 1>2=4 2>3=7 4>3=-1";
    QTest::newRow("rename") << "rename" << "|Pasar|Pusat|Sekolah|| 1-3 1>2=4 2>1=2.5 2>3=7 4>3=-1";
    QTest::newRow("start") << "start" << "|Pasar||Sekolah|| 2-3 1>2=4 2>1=2.5 2>3=7 4>3=-1";
    QTest::newRow("end") << "end" << "|Pasar||Sekolah|| 1-2 1>2=4 2>1=2.5 2>3=7 4>3=-1";
    QTest::newRow("layout") << "layout" << unchanged;
}

void Tst_networkeditor::undoesAndRedoesEveryKindOfEdit()
{
    QFETCH(QString, edit);
    QFETCH(QString, after);
    Opened w;
    NetworkEditor& e = *w.editor;
    e.setDocument(square(), 1, 3);
    EditorSeams seams;
    seams.textInput = [](QWidget*, const QString&, const QString&) { return QString(" Pusat "); };
    seams.layoutRunner = [](const QByteArray&, QString*) {
        return QByteArray(R"({"objects":[{"name":"1","pos":"0,0"},{"name":"2","pos":"90,0"},
                             {"name":"3","pos":"90,90"},{"name":"4","pos":"0,90"}]})");
    };
    e.setSeams(seams);
    const NetworkDocument before = e.document();
    const QImage pictureBefore = picture(e); // nothing selected
    QSignalSpy edited(&e, &NetworkEditor::networkEdited);
    e.selectNode(2);
    if (edit == "node")
        QVERIFY(e.addNodeAtFreePlace());
    else if (edit == "link")
        QVERIFY(e.beginLink(4, 1) && (w.typeWeight("3"), true));
    else if (edit == "weight")
        QVERIFY(e.beginWeightEdit(3) && (w.typeWeight("3"), true));
    else if (edit == "move")
        QVERIFY(e.moveNode(2, {20, 30}));
    else if (edit == "remove node")
        QVERIFY(e.removeSelection());
    else if (edit == "remove link")
        QVERIFY((e.selectLink(2), e.removeSelection()));
    else if (edit == "rename")
        QVERIFY(e.renameSelectedNode());
    else if (edit == "start")
        QVERIFY(e.makeStart(2));
    else if (edit == "end")
        QVERIFY(e.makeEnd(2));
    else if (edit == "layout")
        QVERIFY(e.arrangeLayout());
    QCOMPARE(describe(e), after);
    QVERIFY(e.document() != before);
    const NetworkDocument done = e.document();
    QCOMPARE(e.undoStack()->count(), 1);
    QCOMPARE(e.model().network(), done.network);
    e.undoStack()->undo();
    QVERIFY(e.document() == before);
    e.selectNode(0);
    QCOMPARE(picture(e), pictureBefore); // every node back in its place on the screen
    e.undoStack()->redo();
    QVERIFY(e.document() == done);
    QCOMPARE(edited.size(), 3);
    // Not while a lesson runs on the drawing.
    e.setEditable(false);
    QVERIFY(!e.addNodeAtFreePlace() && !e.removeSelection() && !e.makeStart(1));
    for (QAction* action : e.editActions())
        QVERIFY(!action->isEnabled());
}

void Tst_networkeditor::readsOrRefusesATypedWeight_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("weight"); // as the drawing writes it; empty: refused
    QTest::addColumn<QString>("reason");
    QTest::newRow("whole") << "C" << " 12 " << "12" << "";
    QTest::newRow("negative") << "C" << "-3.5" << "-3.5" << "";
    QTest::newRow("decimal comma") << "id_ID" << "2,25" << "2,25" << "";
    QTest::newRow("point where the comma is usual") << "id_ID" << "0.5" << "0,5" << "";
    QTest::newRow("empty") << "C" << "" << "" << "Ketik bobot";
    QTest::newRow("word") << "C" << "tujuh" << "" << "\"tujuh\" bukan bilangan";
    QTest::newRow("number then text") << "C" << "7km" << "" << "bukan bilangan";
    QTest::newRow("infinity") << "C" << QString::fromUtf8(kInfinityText.data()) << ""
                              << "terhingga";
    QTest::newRow("beyond a double") << "C" << "1" + QString(400, '0') << "" << "terlalu besar";
}

void Tst_networkeditor::readsOrRefusesATypedWeight()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, weight);
    QFETCH(QString, reason);
    QLocale::setDefault(QLocale(locale));
    Opened w;
    NetworkEditor& e = *w.editor;
    e.setDocument(square(), 1, 3);
    QVERIFY(e.beginWeightEdit(1));
    w.typeWeight(typed);
    if (weight.isEmpty()) {
        QCOMPARE(w.messages.size(), 1);
        QVERIFY2(w.messages[0].contains(reason), qPrintable(w.messages[0]));
        QVERIFY(e.weightEditor()); // still open for another try
        QTest::keyClick(e.weightEditor(), Qt::Key_Escape);
        QCOMPARE(e.undoStack()->count(), 0);
        QCOMPARE(e.network().link(1).weight, 4.0);
    } else {
        QCOMPARE(w.messages, QStringList());
        QCOMPARE(e.weightText(e.network().link(1).weight), weight);
        QCOMPARE(QAccessible::queryAccessibleInterface(&e)->child(4)->text(QAccessible::Name),
                 "Jalur 1 ke 2, bobot " + weight);
    }
    QLocale::setDefault(QLocale::c());
}

void Tst_networkeditor::saysWhyNoMoreNodesFit()
{
    Opened w;
    NetworkEditor& e = *w.editor;
    e.setDocument(Network(kEditorMaxNodes), 1, 0);
    QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!e.addNodeAtFreePlace());
    QCOMPARE(e.network().nodeCount(), kEditorMaxNodes);
    QCOMPARE(w.messages.size(), 2);
    QVERIFY(w.messages[0].contains("40 simpul"));
    e.selectNode(40);
    QVERIFY(e.removeSelection());
    QVERIFY(e.addNodeAtFreePlace());
    QCOMPARE(e.end(), kEditorMaxNodes); // the last node, whichever it is
}

void Tst_networkeditor::placesNodesWithGraphviz_data()
{
    QTest::addColumn<QByteArray>("answer"); // "neato": the real program
    QTest::addColumn<QString>("reason");    // empty: placed
    QTest::newRow("placed") << QByteArray(R"({"objects":[{"name":"1","pos":"0,0"},
        {"name":"2","pos":"50,0"},{"name":"3","pos":"50,50"},{"name":"4","pos":"0,50"}]})")
                            << "";
    QTest::newRow("no program") << QByteArray() << "no Graphviz in this test";
    QTest::newRow("truncated answer") << QByteArray(R"({"objects":[)") << "JSON";
    QTest::newRow("a node missing") << QByteArray(R"({"objects":[{"name":"1","pos":"0,0"}]})")
                                    << "simpul 2";
    QTest::newRow("neato") << QByteArray("neato") << "";
}

void Tst_networkeditor::placesNodesWithGraphviz()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, reason);
    if (answer == "neato" && QStandardPaths::findExecutable("neato").isEmpty())
        QSKIP("Graphviz is not installed");
    Opened w;
    NetworkEditor& e = *w.editor;
    e.setDocument(square(), 1, 3);
    EditorSeams seams;
    seams.messageBox = [&w](QWidget*, const QString&, const QString& text) { w.messages << text; };
    if (answer != "neato")
        seams.layoutRunner = [answer](const QByteArray& dot, QString* error) {
            if (!dot.startsWith("digraph") || answer.isEmpty()) {
                *error = "no Graphviz in this test";
                return std::optional<QByteArray>();
            }
            return std::optional<QByteArray>(answer);
        };
    e.setSeams(seams);
    const Network before = e.network();
    QCOMPARE(e.arrangeLayout(), reason.isEmpty());
    QVERIFY(!QGuiApplication::overrideCursor()); // the wait for neato is over
    if (!reason.isEmpty()) {
        QCOMPARE(w.messages.size(), 1);
        QVERIFY2(w.messages[0].contains(reason), qPrintable(w.messages[0]));
        QCOMPARE(e.network(), before);
        QCOMPARE(e.undoStack()->count(), 0);
        return;
    }
    QCOMPARE(w.messages, QStringList());
    QCOMPARE(e.undoStack()->count(), 1);
    for (int a = 1; a <= 4; ++a) {
        QVERIFY(QRectF(e.rect()).contains(e.nodeRect(a)));
        for (int b = a + 1; b <= 4; ++b)
            QVERIFY(QLineF(e.nodeRect(a).center(), e.nodeRect(b).center()).length() >
                    2 * e.nodeRect(a).width());
    }
}

QTEST_MAIN(Tst_networkeditor)
#include "tst_networkeditor.moc"
