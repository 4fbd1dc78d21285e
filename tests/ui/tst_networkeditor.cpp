#include "ui/drawing/networkcanvas.h"
#include "ui/drawing/networklayout.h"

#include <QAccessible>
#include <QtTest>

using namespace trayeko;
using namespace trayeko::ui;

class Tst_networkeditor final : public QObject
{
    Q_OBJECT

private slots:
    void canvasPlacesAndFindsEveryElement_data();
    void canvasPlacesAndFindsEveryElement();
    void canvasReadsEveryElementToAScreenReader();
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

QTEST_MAIN(Tst_networkeditor)
#include "tst_networkeditor.moc"
