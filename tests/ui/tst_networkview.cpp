#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"

#include <QLineEdit>
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
};

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
    view.setLayer(DrawingLayer::Steps, {{}, {}, {}, {}, "langkah", {}});
    view.setLayer(DrawingLayer::Preview, {{4}, {3, 12}, Qt::green, Qt::green, "pratinjau", {}});
    QCOMPARE(view.elementColor("lj2"), QColor(Qt::black)); // the steps cover the preview
    QCOMPARE(view.elementColor("Shape7"), routeNodeColor());
    QCOMPARE(view.accessibleDescription(), "langkah");
    view.clearLayer(previewFirst ? DrawingLayer::Preview : DrawingLayer::Steps);
    QCOMPARE(view.elementColor("lj12a"), previewFirst ? QColor(Qt::black) : QColor(Qt::green));
    view.clearLayer(previewFirst ? DrawingLayer::Steps : DrawingLayer::Preview);
    QStringList after;
    for (const QString& name : DrawingModel::elementNames())
        after << view.elementColor(name).name();
    QCOMPARE(after, result);
    QCOMPARE(view.accessibleDescription(), QString());
    QCOMPARE(view.model().routeLinks(), QList<int>({2, 7, 13}));
}

QTEST_MAIN(Tst_networkview)
#include "tst_networkview.moc"
