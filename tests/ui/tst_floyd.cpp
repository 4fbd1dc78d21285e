#include "core/demonetwork.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/floyd/floydwindow.h"
#include "windowhost.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <deque>
#include <memory>

using trayeko::ClockReading;
using trayeko::ui::FloydWindow;

namespace {

const QColor kBlue(128, 128, 255);
const QColor kPink(255, 192, 255);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// One Floyd window shown in a document area, the way the main window holds it.
struct Host : WindowHost<FloydWindow>
{
    Host() : WindowHost({1000, 700}) {}
    QPointer<FloydWindow>& window = w;

    template <class T> T* get(const QString& name) const { return need<T>(name); }
    QLineEdit* box(const QString& name) const { return get<QLineEdit>(name); }
    QListWidget* list(int n) const { return get<QListWidget>(QStringLiteral("List%1").arg(n)); }
    QString text(const QString& label) const { return get<QLabel>(label)->text(); }
    QColor colour(const QString& element) const { return window->network()->elementColor(element); }
    QStringList lines(int n) const
    {
        QStringList out;
        for (int i = 0; i < list(n)->count(); ++i)
            out << list(n)->item(i)->text();
        return out;
    }
    void run() const { get<QPushButton>("Command1")->click(); }
};

// Every node, line and weight box in its neutral colour except the named ones, which are blue
// (nodes) or red (lines and boxes); nodes 1 and 7 always blue.
void checkHighlight(const Host& host, const QStringList& highlighted)
{
    for (const auto& node : trayeko::ui::nodeLayouts()) {
        const QString name = QString::fromLatin1(node.shapeName.data(), node.shapeName.size());
        const bool blue = node.number == 1 || node.number == 7 || highlighted.contains(name);
        QVERIFY2(host.colour(name) == (blue ? kBlue : kPink), qPrintable(name));
    }
    for (const auto& link : trayeko::ui::linkLayouts()) {
        for (const auto& line : link.lines()) {
            const QString name = QString::fromLatin1(line.name.data(), line.name.size());
            QVERIFY2(host.colour(name) == (highlighted.contains(name) ? kRed : kBlack),
                     qPrintable(name));
        }
        const QString box = QString::fromLatin1(link.weightBox.data(), link.weightBox.size());
        QVERIFY2(host.colour(box) == (highlighted.contains(box) ? kRed : kWhite), qPrintable(box));
    }
}

} // namespace

class Tst_floyd final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void opensWithDefaults();
    void defaultRunListsAndHighlightsDirectLink();
    void anyBoxContentRunsWithoutMessage_data();
    void anyBoxContentRunsWithoutMessage();
    void resultFollowsTheListing_data();
    void resultFollowsTheListing();
    void elapsedTextUsesInjectedClock_data();
    void elapsedTextUsesInjectedClock();
};

void Tst_floyd::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void Tst_floyd::opensWithDefaults()
{
    Host host;
    QCOMPARE(host.window->windowTitle(), QString("Metode Floid"));
    QCOMPARE(host.window->widthTwips(), 11520);
    QCOMPARE(host.window->heightTwips(), 7140);
    QCOMPARE(host.window->pos(), QPoint(0, 0)); // placed by the document area, not centred
    for (int k = 1; k <= trayeko::kLinkCount; ++k)
        QCOMPARE(host.box(QStringLiteral("j%1").arg(k))->text(),
                 QString::number(trayeko::demoLink(k).defaultWeight));
    checkHighlight(host, {});

    auto* tabs = host.get<QTabWidget>("SSTab1");
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QString("Nilai"));
    QCOMPARE(tabs->tabText(1), QString("Simpul"));
    QCOMPARE(host.list(1)->count(), 0);
    QCOMPARE(host.list(2)->count(), 0);
    QCOMPARE(host.text("Label29"), QString("1     2     3     4     5     6     7"));
    QVERIFY(host.get<QProgressBar>("proses1")->isHidden());
    QVERIFY(host.text("lbljmljarak").isEmpty());
    QVERIFY(host.text("lblwaktu").isEmpty());
}

void Tst_floyd::defaultRunListsAndHighlightsDirectLink()
{
    Host host;
    auto* bar = host.get<QProgressBar>("proses1");
    QSignalSpy progress(bar, &QProgressBar::valueChanged);
    host.run();

    QCOMPARE(progress.count(), 1501);
    QCOMPARE(progress.first().first().toInt(), 0);
    QCOMPARE(progress.last().first().toInt(), 1500);
    QVERIFY(bar->isHidden());

    const QStringList values = host.lines(1), nodes = host.lines(2);
    QCOMPARE(values.size(), 71);
    QCOMPARE(nodes.size(), 64);
    QCOMPARE(values.first(), QString("Inisialisasi Matrix Nilai"));
    QCOMPARE(values.at(1), QString("0     7     6     8     ~      ~     16"));
    QCOMPARE(values.at(63), QString("Iterasi 7"));
    QCOMPARE(values.last(), QString("~     ~     ~     ~     ~      ~     0"));
    QCOMPARE(nodes.first(), QString("Inisialisasi Matrix Simpul"));
    QCOMPARE(nodes.last(), QString("1     2     3     4    5    6     7"));

    QCOMPARE(host.text("lbljmljarak"), QString("Total jarak = 16"));
    QCOMPARE(host.box("h1")->text(), QString("16"));
    QCOMPARE(host.box("h2")->text(), QString("23"));
    checkHighlight(host, {"lj10a", "lj10b", "j10"});
    QVERIFY(host.text("lblwaktu").startsWith("Selesai pencarian dalam: "));

    host.run();
    QCOMPARE(host.lines(1), values);
    QCOMPARE(host.lines(2), nodes);
}

void Tst_floyd::anyBoxContentRunsWithoutMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("total");
    const auto row = [](const char* name, QString box, QString text, QString total) {
        QTest::newRow(name) << box << text << "Total jarak = " + total;
    };
    row("negative j5", "j5", "-5", "13");
    row("zero j1", "j1", "0", "10");
    row("letters j10", "j10", "abc", "0");
    row("overflow j10", "j10", "1e400", "16");
}

void Tst_floyd::anyBoxContentRunsWithoutMessage()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, total);
    Host host;
    host.box(box)->setText(text);

    // A modal box would run its own event loop, where this timer fires and reports it.
    bool modalSeen = false;
    QTimer::singleShot(0, host.window, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modalSeen = true;
            modal->close();
        }
    });
    host.run();
    QCoreApplication::processEvents();

    QVERIFY(!modalSeen);
    QCOMPARE(host.list(1)->count(), 71);
    QCOMPARE(host.list(2)->count(), 64);
    QCOMPARE(host.text("lbljmljarak"), total);
    QCOMPARE(host.box(box)->text(), text);
}

void Tst_floyd::resultFollowsTheListing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("h1");
    QTest::addColumn<QString>("h2");
    QTest::addColumn<QStringList>("highlighted");
    const auto row = [](const char* name, QString box, QString text, QString total, QString h1,
                        QString h2, QStringList highlighted) {
        QTest::newRow(name) << box << text << total << h1 << h2 << highlighted;
    };
    const QStringList via35{"Shape3", "Shape5", "lj2", "lj7", "lj13", "j2", "j7", "j13"};
    row("j10 = 23, tie broken by the listing", "j10", "23", "16", "23", "23", via35);
    row("j10 = 30", "j10", "30", "16", "30", "23", via35);
    row("j12 = -100", "j12", "-100", "-92", "16", "-92",
        {"Shape4", "lj3", "lj12a", "lj12b", "j3", "j12"});
}

void Tst_floyd::resultFollowsTheListing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, total);
    QFETCH(QString, h1);
    QFETCH(QString, h2);
    QFETCH(QStringList, highlighted);
    Host host;
    host.box(box)->setText(text);
    host.run();

    QCOMPARE(host.text("lbljmljarak"), "Total jarak = " + total);
    QVERIFY(host.lines(1).at(64).endsWith(" " + total)); // row 1 of "Iterasi 7", cell (1,7)
    QCOMPARE(host.box("h1")->text(), h1);
    QCOMPARE(host.box("h2")->text(), h2);
    checkHighlight(host, highlighted);

    // Back at the defaults, the next run shows the direct link alone.
    host.box(box)->setText(QString::number(trayeko::demoLink(box.mid(1).toInt()).defaultWeight));
    host.run();
    checkHighlight(host, {"lj10a", "lj10b", "j10"});
}

void Tst_floyd::elapsedTextUsesInjectedClock_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<QString>("expected");
    QTest::newRow("same millisecond")
        << "C" << qint64(5000) << qint64(5000) << "Selesai pencarian dalam: 0 detik";
    QTest::newRow("1234 ms") << "C" << qint64(5000) << qint64(6234)
                             << "Selesai pencarian dalam: 1.234 detik";
    QTest::newRow("comma separator")
        << "id_ID" << qint64(0) << qint64(1) << "Selesai pencarian dalam: 0,001 detik";
}

void Tst_floyd::elapsedTextUsesInjectedClock()
{
    QFETCH(QString, locale);
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    Host host;
    auto readings = std::make_shared<std::deque<qint64>>(std::deque<qint64>{start, end});
    host.window->setClock([readings] {
        const qint64 ms = readings->front();
        if (readings->size() > 1)
            readings->pop_front();
        return ClockReading{ms};
    });
    // The student types the weight as the window writes its numbers, and the listing agrees.
    const QString fraction = locale == "C" ? "15.5" : "15,5";
    host.box("j10")->setText(fraction);
    host.run();
    QCOMPARE(host.text("lblwaktu"), expected);
    QCOMPARE(host.text("lbljmljarak"), "Total jarak = " + fraction);
    QCOMPARE(host.box("h1")->text(), fraction);
    QVERIFY(host.lines(1).at(1).endsWith(" " + fraction));
}

QTEST_MAIN(Tst_floyd)
#include "tst_floyd.moc"
