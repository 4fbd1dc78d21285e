#include "ui/common/networkview.h"
#include "ui/common/twips.h"

#include <QLineEdit>
#include <QtTest>

using trayeko::ui::NetworkView;

class Tst_networkview final : public QObject
{
    Q_OBJECT

private slots:
    void placesBoxesWithTheVariantsShift_data();
    void placesBoxesWithTheVariantsShift();
    void resetRestoresNeutralColoursButKeepsStartAndEnd();
    void ignoresUnknownNames_data();
    void ignoresUnknownNames();
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
    NetworkView view(floyd ? trayeko::floydDrawing() : trayeko::dijkstraDrawing());
    auto* edit = view.findChild<QLineEdit*>(box);
    QVERIFY(edit);
    QCOMPARE(edit->pos(), pos);
    QCOMPARE(edit->size(), QSize(25, 19));
    QCOMPARE(view.size(), frame);
}

void Tst_networkview::resetRestoresNeutralColoursButKeepsStartAndEnd()
{
    NetworkView view(trayeko::dijkstraDrawing());
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
    NetworkView view(trayeko::dijkstraDrawing());
    view.setElementColor(name, Qt::red);
    QVERIFY(!view.elementColor(name).isValid());
}

QTEST_MAIN(Tst_networkview)
#include "tst_networkview.moc"
