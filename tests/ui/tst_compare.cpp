#include "core/floydcsv.h"
#include "core/numbertext.h"
#include "core/scenarios.h"
#include "ui/compare/comparewindow.h"
#include "ui/compare/scenarionetworkview.h"
#include "ui/export/classroomactions.h"
#include "windowhost.h"

#include <QAccessible>
#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QLegend>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>

using namespace trayeko::ui;

namespace {

constexpr qint64 kMs = 1'000'000;

// The window inside an MDI area, as the main window shows it, with a clock that advances 2 ms at
// every reading until the Dijkstra report is written and 7 ms after it; every progress update and
// every report jumps it by 1000 s, so a time that held any of them would show it. Every progress
// update is recorded; runs of consecutive values of one visible bar fold into "bar1 0-500".
struct Opened : WindowHost<CompareWindow>
{
    explicit Opened(QSize area = {1000, 800}) : WindowHost(area)
    {
        window->setClock([this] { return now += step; });
        QObject::connect(find<QPlainTextEdit>("txthasiltrayeko"), &QPlainTextEdit::textChanged,
                         window, [this] {
                             now += 1000'000 * kMs;
                             step = dijkstraText().isEmpty() ? 2 * kMs : 7 * kMs;
                         });
        for (int n : {1, 2})
            QObject::connect(bar(n), &QProgressBar::valueChanged, window, [=, this](int value) {
                now += 1000'000 * kMs;
                const QString last = runs.isEmpty() ? QString() : runs.last();
                const bool continues = bar(n)->isVisible() && last.startsWith(tag(n)) &&
                                       last.endsWith('-' + QString::number(value - 1));
                if (continues)
                    runs.last() = last.section('-', 0, 0) + '-' + QString::number(value);
                else if (bar(n)->isVisible())
                    runs << tag(n) + QStringLiteral("%1-%1").arg(value);
                else
                    runs << tag(n) + QString::number(value) + " hidden";
                if (value == 0)
                    textsAtStart << dijkstraText() + '|' + floydText();
            });
    }
    static QString tag(int n) { return QStringLiteral("bar%1 ").arg(n); }
    template <typename T> T* find(const char* name) const { return need<T>(QLatin1String(name)); }
    QProgressBar* bar(int n) const
    {
        return find<QProgressBar>(n == 1 ? "ProgressBar1" : "ProgressBar2");
    }
    QString dijkstraText() const { return find<QPlainTextEdit>("txthasiltrayeko")->toPlainText(); }
    QString floydText() const { return find<QPlainTextEdit>("txthasilfloyd")->toPlainText(); }

    // A choice from the list, which is reported even when it picks the item already shown.
    void choose(const char* comboName, int index)
    {
        auto* combo = find<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    qint64 now = 7000, step = 2 * kMs;
    QStringList runs;
    QStringList textsAtStart;
    QPointer<CompareWindow>& window = w;
};

QString report(const QString& firstLine, const char* seconds = "0.00200")
{
    return firstLine + QStringLiteral("\nSelesai pencarian dalam: %1 detik").arg(seconds);
}

const QString kVia = QStringLiteral(", dan simpul yang dilalui ");

} // namespace

class Tst_compare final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void openingState()
    {
        Opened w;
        QCOMPARE(w.window->widget()->size(), QSize(314, 346));
        QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
        QVERIFY(!(w.window->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(w.find<QWidget>("Frame1")->x() >= w.window->widget()->width());
        QVERIFY(w.dijkstraText().isEmpty() && w.floydText().isEmpty());
        QVERIFY(w.bar(1)->isHidden() && w.bar(2)->isHidden());
        for (const char* name : {"Combo1", "Combo2"}) {
            auto* combo = w.find<QComboBox>(name);
            QCOMPARE(combo->currentIndex(), -1);
            QCOMPARE(combo->placeholderText(), QStringLiteral("Pilih Banyaknya Simpul"));
            QCOMPARE(combo->count(), 5);
            QCOMPARE(combo->itemText(4), QStringLiteral("Duapuluh Simpul --- (20)"));
        }
        // Typing into a list picks nothing; neither does Up before anything is chosen.
        auto* combo2 = w.find<QComboBox>("Combo2");
        QTest::keyClicks(combo2, QStringLiteral("Enam"));
        QTest::keyClick(combo2, Qt::Key_Up);
        QCOMPARE(combo2->currentIndex(), -1);
        QVERIFY(w.runs.isEmpty());

        QStringList order;
        QWidget* current = w.find<QWidget>("txthasiltrayeko");
        while (order.size() < 5) {
            if (current->focusPolicy() & Qt::TabFocus)
                order << current->objectName();
            current = current->nextInFocusChain();
        }
        QCOMPARE(order, QStringList(
                            {"txthasiltrayeko", "cmdKeluar", "Combo1", "Combo2", "txthasilfloyd"}));
    }

    void bothSides_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<QString>("dijkstraLine");
        QTest::addColumn<int>("shortest");
        QTest::newRow("4 nodes") << 0 << QStringList{"bar1 0-500", "bar2 0-300"}
                                 << "Simpul terpendek 12" + kVia + "1, 3, dan 4" << 12;
        QTest::newRow("6 nodes") << 1 << QStringList{"bar1 0-1000", "bar2 0-1000"}
                                 << "Simpul terpendek 12" + kVia + "1, 3, 5, 4, dan 6" << 12;
        QTest::newRow("10 nodes") << 2 << QStringList{"bar1 0-2000", "bar2 0-1500"}
                                  << "Simpul terpendek 23" + kVia + "1, 2, 3, 6, 8, dan 10" << 23;
        QTest::newRow("15 nodes") << 3 << QStringList{"bar1 0-4000", "bar2 0-2000"}
                                  << "Simpul terpendek 38" + kVia + "1, 4, 8, 7, 11, 14, dan 15"
                                  << 38;
        QTest::newRow("20 nodes, lower case")
            << 4 << QStringList{"bar1 0-6000", "bar2 0-2500"}
            << "simpul terpendek 33" + kVia + "1, 6, 11, 15, 14, 19, dan 20" << 33;
    }
    void bothSides()
    {
        QFETCH(int, index);
        QFETCH(QStringList, runs);
        QFETCH(QString, dijkstraLine);
        QFETCH(int, shortest);
        // The same size chosen a second time runs again from empty boxes.
        Opened w;
        w.choose("Combo2", index);
        w.runs.clear();
        w.textsAtStart.clear();
        w.choose("Combo2", index);
        QCOMPARE(w.runs, runs);
        // The Dijkstra report is in place before the Floyd bar starts.
        QCOMPARE(w.textsAtStart, QStringList({"|", report(dijkstraLine) + '|'}));
        QVERIFY(w.bar(1)->isHidden() && w.bar(2)->isHidden());
        QCOMPARE(w.bar(1)->value(), runs[0].section('-', 1).toInt());
        QCOMPARE(w.bar(2)->value(), runs[1].section('-', 1).toInt());
        QCOMPARE(w.dijkstraText(), report(dijkstraLine));
        // Its own 7 ms: neither the Dijkstra side nor any animation or report.
        QCOMPARE(w.floydText(),
                 report("simpul terpendek " + QString::number(shortest) + kVia, "0.00700"));

        // The picture of the network draws the reported route in red, link by link.
        w.window->findChild<QAction*>("actLihatJaringan")->trigger();
        auto* picture = w.area.findChild<ScenarioNetworkWindow*>();
        QVERIFY(picture && picture->isVisible());
        QCOMPARE(picture->windowTitle(),
                 QStringLiteral("Jaringan %1 simpul")
                     .arg(trayeko::comparisonScenarios()[std::size_t(index)].nodeCount));
        const QStringList nodes = dijkstraLine.section(kVia, 1).replace(" dan", "").split(", ");
        const QImage image = picture->view()->grab().toImage();
        for (qsizetype i = 1; i < nodes.size(); ++i) {
            const QLineF link = picture->view()->arcLine(nodes[i - 1].toInt(), nodes[i].toInt());
            const QPointF at = link.pointAt(0.3) * image.devicePixelRatio();
            const QColor c = image.pixelColor(at.toPoint());
            QVERIFY2(c.red() > 200 && c.green() < 80 && c.blue() < 80, qPrintable(nodes[i]));
        }
        QCOMPARE(picture->view()->route().size(), std::size_t(nodes.size()));
    }

    // A screen reader finds every node and every link of the network picture, each with its
    // weight, its place on the screen and whether it is on the reported route; the same window
    // shown again for another network reads the new one.
    void networkPictureReadsEveryElement_data()
    {
        QTest::addColumn<QList<int>>("sizes"); // indexes chosen one after the other
        QTest::addColumn<QList<int>>("route");
        QTest::newRow("4 nodes") << QList<int>{0} << QList<int>{1, 3, 4};
        QTest::newRow("20 nodes after 4") << QList<int>{0, 4}
                                          << QList<int>{1, 6, 11, 15, 14, 19, 20};
    }
    void networkPictureReadsEveryElement()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(QList<int>, route);
        Opened w;
        for (int index : sizes) {
            w.choose("Combo2", index);
            w.window->findChild<QAction*>("actLihatJaringan")->trigger();
        }
        ScenarioNetworkView* view = w.area.findChild<ScenarioNetworkWindow*>()->view();
        const int nodes = trayeko::comparisonScenarios()[std::size_t(sizes.last())].nodeCount;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(iface->role(), QAccessible::Chart);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Jaringan %1 simpul").arg(nodes));
        const QRect area(view->mapToGlobal(QPoint(0, 0)), view->size());

        QStringList expectedHighlighted, highlighted, problems;
        for (qsizetype i = 0; i < route.size(); ++i)
            expectedHighlighted << QStringLiteral("Simpul %1").arg(route[i]);
        for (qsizetype i = 1; i < route.size(); ++i)
            expectedHighlighted
                << QStringLiteral("Jalur dari simpul %1 ke simpul %2").arg(route[i - 1]).arg(route[i]);
        QMap<QString, QAccessibleInterface*> byName;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* c = iface->child(i);
            const QString name = c->text(QAccessible::Name);
            if (byName.contains(name) || name.isEmpty())
                problems << "repeated or empty: " + name;
            byName[name] = c;
            if (c->parent() != iface || iface->indexOfChild(c) != i)
                problems << "tree: " + name;
            if (!area.contains(c->rect()) || c->rect().isEmpty())
                problems << "place: " + name;
            if (c->state().selected)
                highlighted << name;
        }
        QCOMPARE(problems.join("; "), QString());
        QCOMPARE(iface->childCount(), nodes + int(view->edges().size()));
        for (int n = 1; n <= nodes; ++n) {
            QAccessibleInterface* node = byName.value(QStringLiteral("Simpul %1").arg(n));
            QVERIFY2(node, qPrintable(QString::number(n)));
            const QPoint centre = node->rect().center();
            QCOMPARE(iface->childAt(centre.x(), centre.y()), node);
        }
        for (const trayeko::WeightedEdge& e : view->edges()) {
            const QString name = QStringLiteral("Jalur dari simpul %1 ke simpul %2").arg(e.from).arg(e.to);
            QAccessibleInterface* link = byName.value(name);
            QVERIFY2(link, qPrintable(name));
            const QString weight = QString::fromStdString(trayeko::formatGeneral(e.weight));
            QVERIFY2(link->text(QAccessible::Description).startsWith("bobot " + weight + ", "),
                     qPrintable(link->text(QAccessible::Description)));
            // The weight box, halfway along, answers for its link.
            const QPoint box = view->mapToGlobal(view->weightBoxRect(e).center().toPoint());
            QCOMPARE(iface->childAt(box.x(), box.y()), link);
        }
        highlighted.sort();
        expectedHighlighted.sort();
        QCOMPARE(highlighted, expectedHighlighted);
    }

    void reportsInTheRegionsDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        Opened w;
        w.choose("Combo2", 0);
        QVERIFY(w.dijkstraText().endsWith(QStringLiteral(": 0,00200 detik")));
        QVERIFY(w.floydText().endsWith(QStringLiteral(": 0,00700 detik")));
    }

    // Combo1 cannot be seen; the keyboard reaches it and Down picks the first size.
    void dijkstraSideLeavesFloydReport()
    {
        Opened w;
        w.choose("Combo2", 2);
        const QString floyd = w.floydText();
        w.runs.clear();
        w.textsAtStart.clear();
        QTest::keyClick(w.find<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(w.runs, QStringList{"bar1 0-500"});
        QCOMPARE(w.textsAtStart, QStringList{'|' + floyd});
        QCOMPARE(w.dijkstraText(), report("Simpul terpendek 12" + kVia + "1, 3, dan 4"));
        QCOMPARE(w.floydText(), floyd);
    }
    // The chart measures off the user-interface thread; its curves and its CSV are the core's
    // rows for the same sizes and clock.
    void growthChart()
    {
        Opened w;
        std::atomic<qint64> ticks = 0;
        const trayeko::PreciseClock clock = [&ticks] { return ticks += 5 * kMs; };
        const std::vector<int> sizes{4, 6, 8};
        w.window->setGrowthSeams({sizes, clock, 0});
        w.window->findChild<QAction*>("actGrafikWaktu")->trigger();
        auto* chart = w.area.findChild<GrowthChartWindow*>();
        QVERIFY(chart && chart->windowTitle() == u"Grafik waktu");
        QTRY_VERIFY(!chart->measuring() && !chart->rows().empty());
        trayeko::GrowthControl control;
        control.clock = clock;
        const std::vector<trayeko::GrowthRow> rows = trayeko::measureGrowth(sizes, control);
        const QList<QAbstractSeries*> series = chart->chart()->series();
        QCOMPARE(series.size(), trayeko::kGrowthSearchCount);
        for (int s = 0; s < series.size(); ++s) {
            QList<QPointF> expected;
            for (const trayeko::GrowthRow& row : rows)
                expected << QPointF(row.nodeCount, row.seconds[s] * 1e9);
            QCOMPARE(static_cast<QLineSeries*>(series[s])->points(), expected);
            QVERIFY(series[s]->name().contains(u"<br>kemiringan "));
        }
        QVERIFY(chart->findChild<QLabel*>("lblKeterangan")->text().contains(u"sama"));

        QTemporaryDir dir;
        auto* actions = chart->findChild<ClassroomActions*>();
        actions->setSeams({[&](QWidget*, const QString&, const QString&, const QString&, QString*) {
                               return dir.filePath("grafik");
                           },
                           nullptr, nullptr});
        actions->saveCsvAction()->trigger();
        QFile file(dir.filePath("grafik.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().toStdString(), trayeko::growthCsv(rows, "."));

        // Closing it while it measures stops the measurement and waits for it.
        w.window->setGrowthSeams({});
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w.window->findChild<QAction*>("actGrafikWaktu")->trigger();
        chart = w.area.findChild<GrowthChartWindow*>();
        QVERIFY(chart->measuring());
        delete chart;
    }

    // A screen reader reads the growth chart: its title, both axes, each curve with the slope its
    // legend shows and its points, the measured numbers as a table of the CSV's rows in the
    // region's decimal separator, and a name for everything that takes the focus.
    void growthChartReadsItsData_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("decimal point") << QLocale::c() << ".";
        QTest::newRow("decimal comma") << QLocale(QLocale::Indonesian, QLocale::Indonesia) << ",";
    }
    void growthChartReadsItsData()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QLocale::setDefault(locale);
        Opened w;
        std::atomic<qint64> ticks = 0;
        w.window->setGrowthSeams({{4, 6, 8}, [&ticks] { return ticks += 5 * kMs; }, 0});
        w.window->findChild<QAction*>("actGrafikWaktu")->trigger();
        auto* chart = w.area.findChild<GrowthChartWindow*>();
        QTRY_VERIFY(!chart->measuring() && chart->rows().size() == 3);

        QWidget* view = chart->findChild<QWidget*>("grafik");
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(iface->role(), QAccessible::Chart);
        QStringList names;
        for (int i = 0; i < 3 + trayeko::kGrowthSearchCount; ++i) {
            QAccessibleInterface* c = iface->child(i);
            names << c->text(QAccessible::Name);
            QCOMPARE(c->parent(), iface);
            QCOMPARE(iface->indexOfChild(c), i);
            QVERIFY2(QRect(view->mapToGlobal(QPoint(0, 0)), view->size()).contains(c->rect()),
                     qPrintable(names.last()));
        }
        QStringList expected{"Waktu satu pencarian menurut banyaknya simpul",
                             "Sumbu mendatar: Banyaknya simpul (skala logaritmik)",
                             "Sumbu tegak: Waktu (nanodetik, skala logaritmik)"};
        const QList<QAbstractSeries*> series = chart->chart()->series();
        for (QAbstractSeries* curve : series)
            expected << curve->name().replace("<br>", ", ");
        QCOMPARE(names, expected);
        for (int s = 0; s < trayeko::kGrowthSearchCount; ++s) {
            QVERIFY(names[3 + s].contains(", kemiringan "));
            QCOMPARE(iface->child(3 + s)->text(QAccessible::Description).count(u"simpul: "), 3);
        }

        auto* table = chart->findChild<QTableWidget*>("tabelAngka");
        QAccessibleTableInterface* cells =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        QVERIFY(cells);
        const std::string sep = separator.toStdString();
        const QStringList csv = QString::fromStdString(trayeko::growthCsv(chart->rows(), sep))
                                    .split("\r\n", Qt::SkipEmptyParts);
        const QString fieldSeparator = QString::fromStdString(trayeko::csvFieldSeparator(sep));
        QCOMPARE(cells->rowCount(), csv.size() - 1);
        QStringList shown;
        for (int c = 0; c < cells->columnCount(); ++c) {
            // The column's description, as a screen reader asks the table for it (Qt 6.4's
            // header cells of a cell are made anew at each call and never freed).
            shown << (c ? fieldSeparator : QString()) + cells->columnDescription(c);
        }
        QStringList lines{shown.join(QString())};
        for (int r = 0; r < cells->rowCount(); ++r) {
            QStringList fields;
            for (int c = 0; c < cells->columnCount(); ++c)
                fields << cells->cellAt(r, c)->text(QAccessible::Name);
            lines << fields.join(fieldSeparator);
        }
        QCOMPARE(lines, csv);

        // Whatever takes the focus says what it is.
        QStringList unnamed;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* a) {
            for (int i = 0; i < a->childCount(); ++i) {
                QAccessibleInterface* c = a->child(i);
                if (!c || c->tableCellInterface())
                    continue;
                if (c->state().focusable && c->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << (c->object() ? c->object()->metaObject()->className() : "element");
                walk(c);
            }
        };
        walk(QAccessible::queryAccessibleInterface(chart));
        QCOMPARE(unnamed.join(' '), QString());
    }

    // In a document area as small as a classroom laptop's at scale factor 2 the chart stays
    // inside it, its legend stands beside the curves, and the lines under it can be scrolled to.
    void growthChartFitsItsArea_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("legend");
        QTest::newRow("desktop") << QSize(1000, 800) << int(Qt::AlignBottom);
        QTest::newRow("laptop at 2x") << QSize(660, 330) << int(Qt::AlignRight);
    }
    void growthChartFitsItsArea()
    {
        QFETCH(QSize, area);
        QFETCH(int, legend);
        Opened w(area);
        w.window->setGrowthSeams({{4}, {}, 0});
        w.window->findChild<QAction*>("actGrafikWaktu")->trigger();
        auto* chart = w.area.findChild<GrowthChartWindow*>();
        QTRY_VERIFY(!chart->measuring());
        QVERIFY(QRect(QPoint(), w.area.viewport()->size()).contains(chart->geometry()));
        QCOMPARE(int(chart->chart()->legend()->alignment()), legend);
        auto* scroller = chart->findChild<QScrollArea*>("growthScroller");
        auto* note = chart->findChild<QLabel*>("lblKeterangan");
        scroller->ensureWidgetVisible(note, 0, 0);
        QVERIFY(scroller->viewport()->rect().contains(
            QRect(note->mapTo(scroller->viewport(), QPoint()), note->size())));
    }

    // Without its drawing the chart window still measures, and says why there is no chart.
    void growthChartWithoutItsPlugin()
    {
        Opened w;
        w.window->setGrowthSeams({{4}, {}, 0, [](QString* why) {
                                      *why = "tidak ada";
                                      return nullptr;
                                  }});
        w.window->findChild<QAction*>("actGrafikWaktu")->trigger();
        auto* chart = w.area.findChild<GrowthChartWindow*>();
        QCOMPARE(chart->findChild<QLabel*>("grafik")->text(),
                 "Grafik tidak dapat digambar: tidak ada.");
        QTRY_VERIFY(!chart->measuring() && chart->rows().size() == 1 && !chart->chart());
    }

    void keluarClosesAndTheNextWindowStartsFresh()
    {
        auto w = std::make_unique<Opened>();
        w->choose("Combo2", 0);
        QTest::mouseClick(w->find<QPushButton>("cmdKeluar"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w->window.isNull());
        QVERIFY(w->area.subWindowList().isEmpty());
        Opened again;
        QCOMPARE(again.find<QComboBox>("Combo1")->count(), 5);
        QVERIFY(again.dijkstraText().isEmpty());
    }
};

QTEST_MAIN(Tst_compare)
#include "tst_compare.moc"
