#include "ui/compare/comparewindow.h"

#include <QComboBox>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using trayeko::ui::CompareWindow;

namespace {

// The window inside an MDI area, as the main window shows it, with a clock that advances by
// clockStep at every reading. Every progress update is recorded; runs of consecutive values of one
// visible bar fold into "bar1 0-500".
struct Opened
{
    explicit Opened(qint64 clockStep = 0)
    {
        window = new CompareWindow;
        window->setClock([this, clockStep] { return trayeko::ClockReading{now += clockStep}; });
        area.addSubWindow(window);
        area.show();
        for (int n : {1, 2})
            QObject::connect(bar(n), &QProgressBar::valueChanged, window, [=, this](int value) {
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
    template <typename T> T* find(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
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

    qint64 now = 7000;
    QStringList runs;
    QStringList textsAtStart;
    QMdiArea area;
    QPointer<CompareWindow> window;
};

QString report(const QString& firstLine, const char* seconds = "0")
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
                                 << "Simpul terpendek 12" + kVia + "1, 2, dan 5" << 12;
        QTest::newRow("6 nodes") << 1 << QStringList{"bar1 0-1000", "bar2 0-1000"}
                                 << "Simpul terpendek 12" + kVia << 12;
        QTest::newRow("10 nodes") << 2 << QStringList{"bar1 0-2000", "bar2 0-1500"}
                                  << "Simpul terpendek 23" + kVia << 23;
        QTest::newRow("15 nodes") << 3 << QStringList{"bar1 0-4000", "bar2 0-2000"}
                                  << "Simpul terpendek 38" + kVia << 38;
        QTest::newRow("20 nodes, lower case")
            << 4 << QStringList{"bar1 0-6000", "bar2 0-2500"} << "simpul terpendek 33" + kVia << 33;
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
        QCOMPARE(w.floydText(), report("simpul terpendek " + QString::number(shortest) + kVia));
    }

    // The Floyd side reads the clock first and last, so its time holds the whole Dijkstra side.
    void elapsedTimes_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<qint64>("clockStep");
        QTest::addColumn<QString>("dijkstraSeconds");
        QTest::addColumn<QString>("floydSeconds");
        QTest::newRow("no time") << QLocale::c() << qint64(0) << "0"
                                 << "0";
        QTest::newRow("milliseconds, comma")
            << QLocale(QLocale::Indonesian, QLocale::Indonesia) << qint64(250) << "0,25"
            << "0,75";
        QTest::newRow("seconds, point") << QLocale::c() << qint64(1500) << "1.5"
                                        << "4.5";
    }
    void elapsedTimes()
    {
        QFETCH(QLocale, locale);
        QFETCH(qint64, clockStep);
        QFETCH(QString, dijkstraSeconds);
        QFETCH(QString, floydSeconds);
        QLocale::setDefault(locale);
        Opened w(clockStep);
        w.choose("Combo2", 0);
        QVERIFY(w.dijkstraText().endsWith(QStringLiteral(": %1 detik").arg(dijkstraSeconds)));
        QVERIFY(w.floydText().endsWith(QStringLiteral(": %1 detik").arg(floydSeconds)));
    }

    // Combo1 cannot be seen; the keyboard reaches it and Down picks the first size.
    void dijkstraSideLeavesFloydReport()
    {
        Opened w(1000);
        w.choose("Combo2", 2);
        const QString floyd = w.floydText();
        w.runs.clear();
        w.textsAtStart.clear();
        QTest::keyClick(w.find<QComboBox>("Combo1"), Qt::Key_Down);
        QCOMPARE(w.runs, QStringList{"bar1 0-500"});
        QCOMPARE(w.textsAtStart, QStringList{'|' + floyd});
        QCOMPARE(w.dijkstraText(), report("Simpul terpendek 12" + kVia + "1, 2, dan 5", "1"));
        QCOMPARE(w.floydText(), floyd);
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
