#include "ui/compare/scenarionetworkview.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"

#include <QLineEdit>
#include <QScreen>
#include <QtTest>
#include <cmath>

using namespace trayeko::ui;

class Tst_networkview final : public QObject
{
    Q_OBJECT

private slots:
    void placesBoxesWithTheVariantsShift_data();
    void placesBoxesWithTheVariantsShift();
    void resetRestoresNeutralColoursButKeepsStartAndEnd();
    void ignoresUnknownNames_data();
    void ignoresUnknownNames();
    void drawsEveryLinkFromItsNodeToItsNode();
    void layersCoverTheResultUntilTakenAway_data();
    void layersCoverTheResultUntilTakenAway();
    void marksArePaintedUntilTheirLayerGoes_data();
    void marksArePaintedUntilTheirLayerGoes();
    void upperLayerCoversTheMarksBelow_data();
    void upperLayerCoversTheMarksBelow();
    void modelAnnouncesWhatChanged_data();
    void modelAnnouncesWhatChanged();
    void screenFollowsTheModel_data();
    void screenFollowsTheModel();
    void anyNetworkHasItsOwnElements_data();
    void anyNetworkHasItsOwnElements();
    void anotherNetworkReplacesEverything_data();
    void anotherNetworkReplacesEverything();
    void marksOnAnyNetworkArePaintedAndCleared_data();
    void marksOnAnyNetworkArePaintedAndCleared();
};

namespace {

// Marks of every kind, to combine: the kinds a row names.
StepMarks marksOf(const QString& kinds)
{
    StepMarks m;
    if (kinds.contains("tree"))
        m.treeLinks = {2, 7};
    if (kinds.contains("improved"))
        m.improvedLinks = {13};
    if (kinds.contains("fixed"))
        m.fixedNodes[2] = true;
    if (kinds.contains("pivot"))
        m.pivotNode = 5;
    if (kinds.contains("text"))
        m.nodeTexts[3] = "12";
    return m;
}

// How many pixels of @p image have exactly @p colour.
int pixelsOf(const QImage& image, const QColor& colour)
{
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
    return count;
}


const QColor kTextBack(255, 255, 200); // behind the text beside a node

// A network of five nodes that is not the demonstration's: the shortest route from 1 to 5 is
// 1, 3, 2, 4, 5 over links 2, 3, 4 and 6 (length 5).
trayeko::Network fiveNodes()
{
    const trayeko::NetworkLink links[] = {{1, 2, 3}, {1, 3, 1}, {3, 2, 1}, {2, 4, 2},
                                          {3, 4, 6}, {4, 5, 1}, {2, 5, 7}};
    return trayeko::Network(5, links);
}
const std::vector<int> kFiveRoute{1, 3, 2, 4, 5};

QImage picture(QWidget& view)
{
    return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

void Tst_networkview::placesBoxesWithTheVariantsShift_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("frame");
    QTest::newRow("dijkstra j1") << false << "j1" << QPoint(120, 136) << QSize(593, 385);
    QTest::newRow("dijkstra j12") << false << "j12" << QPoint(376, 304) << QSize(593, 385);
    QTest::newRow("floyd j1") << true << "j1" << QPoint(96, 136) << QSize(545, 377);
    QTest::newRow("floyd j14") << true << "j14" << QPoint(424, 232) << QSize(545, 377);
}

void Tst_networkview::placesBoxesWithTheVariantsShift()
{
    QFETCH(bool, floyd);
    QFETCH(QString, box);
    QFETCH(QPoint, pos);
    QFETCH(QSize, frame);
    NetworkView view(floyd ? floydDrawing() : dijkstraDrawing());
    auto* edit = view.findChild<QLineEdit*>(box);
    QVERIFY(edit);
    QCOMPARE(edit->pos(), pos);
    QCOMPARE(edit->size(), QSize(25, 19));
    QCOMPARE(view.size(), frame);
}

void Tst_networkview::resetRestoresNeutralColoursButKeepsStartAndEnd()
{
    NetworkView view(dijkstraDrawing());
    const QColor blue(128, 128, 255), red(255, 0, 0);
    const QStringList names{"Shape1", "Shape4", "Shape7", "lj10b", "lj12a", "lj3", "j10", "j3"};
    for (const QString& name : names)
        view.setElementColor(name, name.startsWith("Shape") ? blue : red);
    for (const QString& name : names)
        QCOMPARE(view.elementColor(name), name.startsWith("Shape") ? blue : red);

    view.reset();
    QCOMPARE(view.elementColor("Shape1"), blue);
    QCOMPARE(view.elementColor("Shape7"), blue);
    QCOMPARE(view.elementColor("Shape4"), QColor(255, 192, 255));
    for (const char* line : {"lj10b", "lj12a", "lj3"})
        QCOMPARE(view.elementColor(line), QColor(Qt::black));
    QCOMPARE(view.elementColor("j10"), QColor(Qt::white));
    QCOMPARE(view.weightBox(3)->palette().color(QPalette::Base), QColor(Qt::white));
}

void Tst_networkview::ignoresUnknownNames_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"j0", "j15", "j01", "lj10", "Shape8", "", "jx"})
        QTest::newRow(name[0] ? name : "empty") << QString::fromLatin1(name);
}

void Tst_networkview::ignoresUnknownNames()
{
    QFETCH(QString, name);
    NetworkView view(dijkstraDrawing());
    view.setElementColor(name, Qt::red);
    QVERIFY(!view.elementColor(name).isValid());
}

// The picture and the core's link table agree: each arrow leaves the circle of the link's first
// node and points into the circle of its second.
void Tst_networkview::drawsEveryLinkFromItsNodeToItsNode()
{
    const double radius = kNodeDiameter / 2.0;
    const auto nearNode = [&](TwipPoint p, int node) {
        const TwipPoint corner = nodeLayouts()[size_t(node - 1)].circle;
        return std::hypot(p.x - corner.x - radius, p.y - corner.y - radius) <= 1.1 * radius;
    };
    for (const trayeko::LinkInfo& link : trayeko::demoLinks()) {
        const LinkLayout& picture = linkLayout(link.number);
        QCOMPARE(picture.number, link.number);
        QVERIFY2(nearNode(picture.head, link.toNode), qPrintable(toQString(picture.weightBox)));
        bool leaves = false;
        for (const NamedLine& line : picture.lines())
            leaves =
                leaves || nearNode(line.from, link.fromNode) || nearNode(line.to, link.fromNode);
        QVERIFY2(leaves, qPrintable(toQString(picture.weightBox)));
    }
}

// Two modes over a run's result: the upper one shows, and taking both away in either order gives
// back exactly the result, colours and description.
void Tst_networkview::layersCoverTheResultUntilTakenAway_data()
{
    QTest::addColumn<bool>("previewFirst");
    QTest::newRow("preview left first") << true;
    QTest::newRow("steps left first") << false;
}

void Tst_networkview::layersCoverTheResultUntilTakenAway()
{
    QFETCH(bool, previewFirst);
    NetworkView view(dijkstraDrawing());
    view.highlightEnds();
    view.highlightRoute(std::vector{3, 5}, std::vector{2, 7, 13});
    QStringList result;
    for (const QString& name : DrawingModel::elementNames())
        result << view.elementColor(name).name();
    view.model().setLayer(DrawingLayer::Steps, {{}, {}, {}, {}, "langkah", {}});
    view.model().setLayer(DrawingLayer::Preview,
                          {{4}, {3, 12}, Qt::green, Qt::green, "pratinjau", {}});
    QCOMPARE(view.elementColor("lj2"), QColor(Qt::black)); // the steps cover the preview
    QCOMPARE(view.elementColor("Shape7"), routeNodeColor());
    QCOMPARE(view.accessibleDescription(), "langkah");
    view.model().clearLayer(previewFirst ? DrawingLayer::Preview : DrawingLayer::Steps);
    QCOMPARE(view.elementColor("lj12a"), previewFirst ? QColor(Qt::black) : QColor(Qt::green));
    view.model().clearLayer(previewFirst ? DrawingLayer::Steps : DrawingLayer::Preview);
    QStringList after;
    for (const QString& name : DrawingModel::elementNames())
        after << view.elementColor(name).name();
    QCOMPARE(after, result);
    QCOMPARE(view.accessibleDescription(), QString());
    QCOMPARE(view.model().routeLinks(), QList<int>({2, 7, 13}));
}

// Each kind of mark on each layer is painted in its colour while the layer is on, and taking the
// layer away gives back the picture without it, to the pixel.
void Tst_networkview::marksArePaintedUntilTheirLayerGoes_data()
{
    QTest::addColumn<DrawingLayer>("layer");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QColor>("colour");
    const std::pair<DrawingLayer, const char*> layers[] = {{DrawingLayer::Preview, "preview"},
                                                           {DrawingLayer::Steps, "steps"},
                                                           {DrawingLayer::Exercise, "exercise"}};
    for (const auto& [layer, name] : layers) {
        QTest::addRow("%s, tree links", name) << layer << "tree" << StepMarks::treeColour();
        QTest::addRow("%s, improved link", name)
            << layer << "improved" << StepMarks::improvedColour();
        QTest::addRow("%s, fixed node", name) << layer << "fixed" << StepMarks::fixedColour();
        QTest::addRow("%s, pivot", name) << layer << "pivot" << StepMarks::pivotColour();
        QTest::addRow("%s, text", name) << layer << "text" << kTextBack;
    }
}

void Tst_networkview::marksArePaintedUntilTheirLayerGoes()
{
    QFETCH(DrawingLayer, layer);
    QFETCH(QString, kinds);
    QFETCH(QColor, colour);
    NetworkView view(dijkstraDrawing());
    view.highlightEnds();
    view.highlightRoute(std::vector{3, 5}, std::vector{2, 7, 13});
    const QImage result = picture(view);
    view.model().setLayer(layer, {});
    const QImage unmarked = picture(view);
    QCOMPARE(pixelsOf(unmarked, colour), 0);

    view.model().setLayer(layer, {}, marksOf(kinds));
    QCOMPARE(*view.model().layerMarks(layer), marksOf(kinds));
    const QImage marked = picture(view);
    QVERIFY2(pixelsOf(marked, colour) > 20, qPrintable(QString::number(pixelsOf(marked, colour))));
    for (int k = 1; k <= trayeko::kLinkCount; ++k) // the weight boxes stay readable
        QCOMPARE(marked.copy(view.weightBox(k)->geometry()),
                 unmarked.copy(view.weightBox(k)->geometry()));

    view.model().clearLayer(layer);
    QVERIFY(!view.model().layerMarks(layer));
    QCOMPARE(picture(view), result);
}

// The upper layer covers the lower one whole, marks included, and the lower one's marks come back
// when it goes.
void Tst_networkview::upperLayerCoversTheMarksBelow_data()
{
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");
    QTest::newRow("steps under an exercise") << "tree fixed text"
                                             << "pivot";
    QTest::newRow("marks under no marks") << "improved pivot"
                                          << "";
    QTest::newRow("no marks under marks") << ""
                                          << "tree text";
}

void Tst_networkview::upperLayerCoversTheMarksBelow()
{
    QFETCH(QString, below);
    QFETCH(QString, above);
    NetworkView view(dijkstraDrawing());
    view.highlightEnds();
    const auto alone = [](DrawingLayer layer, const QString& kinds) {
        NetworkView other(dijkstraDrawing());
        other.highlightEnds();
        other.model().setLayer(layer, {}, marksOf(kinds));
        return picture(other);
    };
    view.model().setLayer(DrawingLayer::Exercise, {}, marksOf(above));
    view.model().setLayer(DrawingLayer::Steps, {}, marksOf(below)); // set later, lies lower
    QCOMPARE(view.model().marks(), marksOf(above));
    QCOMPARE(picture(view), alone(DrawingLayer::Exercise, above));
    view.model().clearLayer(DrawingLayer::Exercise);
    QCOMPARE(view.model().marks(), marksOf(below));
    QCOMPARE(picture(view), alone(DrawingLayer::Steps, below));
}

// The model tells what each change altered, and nothing where nothing changed.
void Tst_networkview::modelAnnouncesWhatChanged_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("elements");
    QTest::addColumn<QList<int>>("nodes");
    QTest::addColumn<QList<int>>("links");
    QTest::addColumn<bool>("texts");
    QTest::addColumn<QString>("formerText"); // beside node 4 before the change
    const QStringList none;
    QTest::newRow("marks set") << "marks" << none << QList<int>{3, 4, 5} << QList<int>{2, 7, 13}
                               << false << "";
    QTest::newRow("same marks again")
        << "marks again" << none << QList<int>{} << QList<int>{} << false << "";
    QTest::newRow("marks cleared")
        << "clear" << none << QList<int>{3, 4, 5} << QList<int>{2, 7, 13} << false << "12";
    QTest::newRow("one text changed")
        << "text" << none << QList<int>{4} << QList<int>{} << false << "12";
    QTest::newRow("description") << "description" << none << QList<int>{} << QList<int>{} << true
                                 << "";
    QTest::newRow("a colour by name")
        << "paint" << QStringList{"lj3"} << QList<int>{} << QList<int>{} << false << "";
    QTest::newRow("the same colour again")
        << "paint again" << none << QList<int>{} << QList<int>{} << false << "";
    QTest::newRow("a route") << "route"
                             << QStringList{"Shape3", "lj2", "j2", "lj3", "j3", "lj7", "j7"}
                             << QList<int>{} << QList<int>{} << false << "";
    QTest::newRow("an unknown name")
        << "unknown" << none << QList<int>{} << QList<int>{} << false << "";
}

void Tst_networkview::modelAnnouncesWhatChanged()
{
    QFETCH(QString, action);
    QFETCH(QStringList, elements);
    QFETCH(QList<int>, nodes);
    QFETCH(QList<int>, links);
    QFETCH(bool, texts);
    QFETCH(QString, formerText);
    NetworkView view(dijkstraDrawing());
    DrawingModel& model = view.model();
    const StepMarks all = marksOf("tree improved fixed pivot text");
    if (action != "marks" && action != "description")
        model.setLayer(DrawingLayer::Steps, {}, all);
    if (action.startsWith("paint") || action == "route") {
        model.clearLayer(DrawingLayer::Steps);
        if (action == "paint again")
            view.setElementColor("lj3", Qt::red);
    }
    QList<DrawingChange> heard;
    connect(&model, &DrawingModel::changed, this,
            [&heard](const DrawingChange& change) { heard << change; });

    if (action.startsWith("marks"))
        model.setLayer(DrawingLayer::Steps, {}, all);
    else if (action == "clear")
        model.clearLayer(DrawingLayer::Steps);
    else if (action == "text") {
        StepMarks other = all;
        other.nodeTexts[3] = "9";
        model.setLayer(DrawingLayer::Steps, {}, other);
    } else if (action == "description")
        model.setLayer(DrawingLayer::Preview, {{}, {}, {}, {}, "pratinjau", {}});
    else if (action.startsWith("paint"))
        view.setElementColor("lj3", Qt::red);
    else if (action == "route")
        view.highlightRoute(std::vector{3}, std::vector{2, 3, 7});
    else
        view.setElementColor("lj99", Qt::red);

    const bool silent = elements.isEmpty() && nodes.isEmpty() && links.isEmpty() && !texts;
    QCOMPARE(heard.size(), silent ? 0 : 1);
    if (silent)
        return;
    QStringList named;
    for (int i : heard[0].elements)
        named << DrawingModel::elementNames()[i];
    named.sort();
    elements.sort();
    QCOMPARE(named, elements);
    QCOMPARE(heard[0].nodes, nodes);
    QCOMPARE(heard[0].links, links);
    QCOMPARE(heard[0].texts, texts);
    QCOMPARE(heard[0].formerMarks.nodeTexts[3], formerText);
}

// What the screen holds after a series of changes, each repainting only what it altered, is what
// painting the whole drawing afresh gives.
void Tst_networkview::screenFollowsTheModel_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<QStringList>("series"); // the marks of each change, "" for no layer
    QTest::newRow("dijkstra, marks on and off")
        << false << QStringList{"tree fixed text", "improved pivot", ""};
    QTest::newRow("dijkstra, texts move") << false << QStringList{"text", "tree text", "fixed"};
    QTest::newRow("floyd, marks on and off")
        << true << QStringList{"pivot text", "tree improved fixed", ""};
}

void Tst_networkview::screenFollowsTheModel()
{
    QFETCH(bool, floyd);
    QFETCH(QStringList, series);
    NetworkView view(floyd ? floydDrawing() : dijkstraDrawing());
    view.highlightEnds();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    for (const QString& kinds : series) {
        if (kinds.isEmpty())
            view.model().clearLayer(DrawingLayer::Steps);
        else
            view.model().setLayer(DrawingLayer::Steps, {}, marksOf(kinds));
        StepMarks other = marksOf(kinds);
        other.nodeTexts[3] = "1234,5"; // a wider text over the narrower one
        view.model().setLayer(DrawingLayer::Exercise, {}, other);
        view.model().clearLayer(DrawingLayer::Exercise);
        QApplication::processEvents();
        const QImage screen =
            view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(screen, picture(view));
    }
}

// A network other than the demonstration's has plain names, one line per link, and its own
// start and end nodes drawn blue.
void Tst_networkview::anyNetworkHasItsOwnElements_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("element"); // -1: no element of that name
    QTest::addColumn<int>("boxOf");   // the link whose weight box it is
    QTest::addColumn<QColor>("colour");
    const QColor blue = routeNodeColor(), pink = neutralNodeColor();
    QTest::newRow("node 1 starts") << 1 << 0 << "node1" << 0 << 0 << blue;
    QTest::newRow("node 5 ends") << 1 << 0 << "node5" << 4 << 0 << blue;
    QTest::newRow("inner node") << 1 << 0 << "node3" << 2 << 0 << pink;
    QTest::newRow("other start") << 2 << 4 << "node1" << 0 << 0 << pink;
    QTest::newRow("other end") << 2 << 4 << "node4" << 3 << 0 << blue;
    QTest::newRow("first line") << 1 << 0 << "line1" << 5 << 0 << neutralLineColor();
    QTest::newRow("last box") << 1 << 0 << "weight7" << 18 << 7 << neutralBoxColor();
    QTest::newRow("design name") << 1 << 0 << "Shape1" << -1 << 0 << QColor();
    QTest::newRow("beyond") << 1 << 0 << "node6" << -1 << 0 << QColor();
}

void Tst_networkview::anyNetworkHasItsOwnElements()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, name);
    QFETCH(int, element);
    QFETCH(int, boxOf);
    QFETCH(QColor, colour);
    DrawingModel model(fiveNodes(), start, end);
    model.markEnds();
    QCOMPARE(model.names().size(), 5 + 2 * 7);
    QCOMPARE(model.names().indexOf(name), element);
    QCOMPARE(model.weightBoxLink(element), boxOf);
    QCOMPARE(model.color(name), colour);
    QCOMPARE(model.paint(name, Qt::green), element >= 0);
    QCOMPARE(DrawingModel(nullptr).names(), DrawingModel::elementNames()); // the design's names
}

// Drawing another network drops what was shown of the old one and names every element, node and
// link of the new one; the same network again changes nothing; an end it lacks is refused.
void Tst_networkview::anotherNetworkReplacesEverything_data()
{
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("changes");
    QTest::newRow("five nodes") << 5 << 1;
    QTest::newRow("no such end") << 6 << -1;
}

void Tst_networkview::anotherNetworkReplacesEverything()
{
    QFETCH(int, end);
    QFETCH(int, changes);
    DrawingModel model;
    model.showResult({{3}, {2}, routeColor(), routeColor(), {}, {}});
    model.setLayer(DrawingLayer::Steps, {{}, {}, {}, {}, "langkah", {}}, marksOf("text fixed"));
    QList<DrawingChange> heard;
    connect(&model, &DrawingModel::changed, this,
            [&heard](const DrawingChange& change) { heard << change; });
    if (changes < 0) {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, model.setNetwork(fiveNodes(), 1, end));
        QCOMPARE(model.network(), trayeko::demoNetwork()); // left as it was
        QCOMPARE(model.names(), DrawingModel::elementNames());
        QVERIFY(heard.isEmpty());
        return;
    }
    model.setNetwork(fiveNodes(), 1, end);
    model.setNetwork(fiveNodes(), 1, end);
    QCOMPARE(heard.size(), changes);
    QCOMPARE(heard[0].elements.size(), 19);
    QCOMPARE(heard[0].nodes, (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(heard[0].links, (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(heard[0].texts);
    QCOMPARE(heard[0].formerMarks, marksOf("text fixed"));
    QVERIFY(!model.hasLayer(DrawingLayer::Steps));
    QVERIFY(model.routeLinks().isEmpty());
    QCOMPARE(model.marks(), StepMarks(5));
    QCOMPARE(model.endNode(), end);
}

// A five-node network in the comparison's picture: the route in the run's colours, each kind of
// step mark painted while the Steps layer holds it and gone with the layer; marks made for seven
// nodes are cut to the five drawn.
void Tst_networkview::marksOnAnyNetworkArePaintedAndCleared_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QList<int>>("nodes"); // named by the change
    QTest::addColumn<QList<int>>("links");
    QTest::newRow("tree links") << "tree" << StepMarks::treeColour() << QList<int>{}
                                << QList<int>{2, 7};
    QTest::newRow("fixed node") << "fixed" << StepMarks::fixedColour() << QList<int>{3}
                                << QList<int>{};
    QTest::newRow("pivot") << "pivot" << StepMarks::pivotColour() << QList<int>{5}
                           << QList<int>{};
    QTest::newRow("text") << "text" << kTextBack << QList<int>{4} << QList<int>{};
}

void Tst_networkview::marksOnAnyNetworkArePaintedAndCleared()
{
    QFETCH(QString, kinds);
    QFETCH(QColor, colour);
    QFETCH(QList<int>, nodes);
    QFETCH(QList<int>, links);
    ScenarioNetworkView view;
    view.setNetwork(fiveNodes(), kFiveRoute, 5);
    view.resize(view.sizeHint());
    QCOMPARE(view.model().routeLinks(), (QList<int>{2, 3, 4, 6}));
    QVERIFY(view.nodeHighlighted(3) && !view.onRoute(1, 2) && view.onRoute(3, 2));
    const QImage result = picture(view);
    QVERIFY(pixelsOf(result, routeColor()) > 100);
    QCOMPARE(pixelsOf(result, colour), 0);

    QList<DrawingChange> heard;
    connect(&view.model(), &DrawingModel::changed, this,
            [&heard](const DrawingChange& change) { heard << change; });
    StepMarks marks = marksOf(kinds);
    marks.nodeTexts[6] = "beyond the five nodes";
    view.model().setLayer(DrawingLayer::Steps, {}, marks);
    QCOMPARE(heard.size(), 1);
    QCOMPARE(heard[0].nodes, nodes);
    QCOMPARE(heard[0].links, links);
    QCOMPARE(view.model().marks().nodeTexts.size(), size_t(5));
    QVERIFY(!view.nodeHighlighted(3) && view.nodeHighlighted(5)); // neutral under the marks
    const QImage marked = picture(view);
    QVERIFY2(pixelsOf(marked, colour) > 20, qPrintable(QString::number(pixelsOf(marked, colour))));
    QCOMPARE(pixelsOf(marked, routeColor()), 0);

    view.model().clearLayer(DrawingLayer::Steps);
    QCOMPARE(picture(view), result);
}

QTEST_MAIN(Tst_networkview)
#include "tst_networkview.moc"
